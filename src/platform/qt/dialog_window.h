#pragma once
// A modal dialog built from a DialogResource and kept in step with its
// Dialog: what the user types goes into the Dialog at once, and what the
// program sets shows at once.

#include <QDialog>
#include <cstdint>
#include <map>
#include <string_view>

#include "platform/dialogs.h"
#include "platform/qt/window_destroyed.h"

namespace platform::qt {

// What a title bar takes beside the title: the window's icon, three
// buttons and their margins, as the common window managers draw them.
constexpr std::int32_t title_bar_room = 120;

// The program's UTF-8 text as Qt's string.
QString qtext(std::string_view text);

// The width a window manager's title bar gives the title's text.
std::int32_t title_text_width(const QString& title, const QFont& font);

class DialogWindow : public QDialog {
    Q_OBJECT
public:
    DialogWindow(Dialog& dialog, QWidget* parent);

    // Shows the dialog until a control or the program closes it; the id that closed it.
    std::int32_t run();
    void refresh(std::int32_t control_id);
    void finish();
    // For tests: the widget of a control.
    QWidget* control(std::int32_t control_id) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void press(std::int32_t control_id);
    void refresh_all();
    void select_first_field(const DialogResource& resource);
    void grow_labels(const DialogResource& resource);

    Dialog& dialog_;
    std::map<std::int32_t, QWidget*> widgets_;
    // Destroyed from outside, the dialog ends as its Esc ends it: the
    // frame it blocks answers again.
    WindowDestroyedFilter destroyed_filter_{*this, [this] { reject(); }};
};

}  // namespace platform::qt
