#include "frame/app_state.h"

AppState app_state;
ChapterIndex chapter_index;
ProblemTexts problem_texts;
ScreenSettings screen_settings;
