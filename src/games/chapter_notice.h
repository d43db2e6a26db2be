// The notice every "&Giochi" item passes first: the games ask about the
// current chapter and the ones before it, so the player may go and change it.
#pragma once

// 1.0 to start the game, -1.0 to leave it. Chapters 8 and 9 allow every
// statement and start at once; otherwise dialog 116 names the chapter and
// only its "Continua" goes on (a dialog that cannot be shown cancels).
float confirm_games_chapter();
