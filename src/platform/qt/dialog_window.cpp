#include "platform/qt/dialog_window.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <vector>

#include "platform/runtime.h"

namespace platform::qt {

QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

// Where a piece wider than the label (a long balanced equation) may break:
// after a "+" or "=" that parts two terms, not after the "+" of a charge in
// brackets ("Fe[3+]") nor inside a formula, so that no formula is cut.
bool term_ends_after(const QString& word, qsizetype i)
{
    const QChar c = word[i];
    if (c != QLatin1Char('+') && c != QLatin1Char('=')) return false;
    return i + 1 < word.size() && word[i + 1] != QLatin1Char(']');
}

bool has_terms(const QString& word)
{
    for (qsizetype i = 0; i < word.size(); ++i)
        if (term_ends_after(word, i)) return true;
    return false;
}

// A word wider than the label may break so that the label shows it whole on
// more lines: a path after its folders' slashes, and a piece that is still
// too wide between its terms or, when it has none, where a line is full, so
// that a folder's name wider than the label starts a line of its own.
QString breakable(const QString& text, const QLabel& label)
{
    const QFontMetrics metrics(label.font());
    const auto fits = [&](const QString& piece) { return metrics.horizontalAdvance(piece) <= label.width(); };
    const QChar break_here(0x200B);
    QString shown;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        if (!shown.isEmpty()) shown += QLatin1Char(' ');
        if (fits(word)) {
            shown += word;
            continue;
        }
        for (qsizetype from = 0; from < word.size();) {
            const qsizetype slash = word.indexOf(QLatin1Char('/'), from);
            const qsizetype end = slash < 0 ? word.size() : slash + 1;
            const QString piece = word.sliced(from, end - from);
            from = end;
            if (fits(piece)) {
                shown += piece;
            } else if (has_terms(piece)) {
                for (qsizetype i = 0; i < piece.size(); ++i) {
                    shown += piece[i];
                    if (term_ends_after(piece, i)) shown += break_here;
                }
            } else {
                QString line;
                for (qsizetype i = 0; i < piece.size();) {
                    const qsizetype step = piece[i].isHighSurrogate() && i + 1 < piece.size() ? 2 : 1;
                    const QString character = piece.sliced(i, step);
                    i += step;
                    if (!line.isEmpty() && !fits(line + character)) {
                        shown += line + break_here;
                        line.clear();
                    }
                    line += character;
                }
                shown += line;
            }
            if (from < word.size()) shown += break_here;
        }
    }
    return shown;
}

}  // namespace

std::int32_t title_text_width(const QString& title, const QFont& font)
{
    // Window managers write titles bold, often a size larger than the
    // dialog's own text.
    QFont bold = font;
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) * 6 / 5;
}

DialogWindow::DialogWindow(Dialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog)
{
    const DialogResource& resource = dialog.resource;
    setWindowTitle(qtext(resource.title));
    // A title bar narrower than its title shows it elided ("Sf...do"): the
    // dialog is widened to hold it beside the window's icon and buttons.
    const std::int32_t width = std::max(resource.width, title_text_width(windowTitle(), font()) + title_bar_room);
    setFixedSize(std::max(width, 1), std::max(resource.height, 1));
    if (resource.placed && parent != nullptr) move(parent->mapToGlobal(QPoint(resource.left, resource.top)));
    for (const DialogControl& control : resource.controls) {
        QWidget* widget = nullptr;
        const std::int32_t id = control.id;
        switch (control.kind) {
        case DialogControlKind::button: {
            auto* button = new QPushButton(this);
            // Enter and Esc are handled here, not by Qt's default buttons.
            button->setAutoDefault(false);
            button->setDefault(false);
            connect(button, &QPushButton::clicked, this, [this, id] { press(id); });
            widget = button;
            break;
        }
        case DialogControlKind::edit: {
            auto* edit = new QLineEdit(this);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, id](const QString& text) { dialog_.texts[id] = text.toStdString(); });
            widget = edit;
            break;
        }
        case DialogControlKind::check_box: {
            auto* box = new QCheckBox(this);
            connect(box, &QCheckBox::clicked, this, [this, id] { press(id); });
            widget = box;
            break;
        }
        case DialogControlKind::group_box: widget = new QGroupBox(this); break;
        case DialogControlKind::static_text: {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            widget = label;
            break;
        }
        }
        widget->setGeometry(control.x, control.y, std::max(control.width, 1), std::max(control.height, 1));
        widget->setVisible(control.visible);
        if (control.kind == DialogControlKind::group_box) widget->lower();
        widgets_[id] = widget;
    }
    refresh_all();
    grow_labels(resource);
    select_first_field(resource);
}

void DialogWindow::grow_labels(const DialogResource& resource)
{
    struct Growth {
        std::int32_t id, bottom, extra;
    };
    std::vector<Growth> growths;
    for (const DialogControl& c : resource.controls) {
        const auto* label = qobject_cast<QLabel*>(control(c.id));
        if (!c.grows || label == nullptr) continue;
        // Counted in rows, so that a line of a font a little taller than its
        // label does not move the dialog about.
        const int row = QFontMetrics(label->font()).lineSpacing();
        const int rows_held = std::max(1, label->height() / row);
        const int rows_needed = (label->heightForWidth(label->width()) + row / 2) / row;
        if (rows_needed > rows_held) growths.push_back({c.id, c.y + c.height, (rows_needed - rows_held) * row});
    }
    std::int32_t total = 0;
    for (const Growth& g : growths) total += g.extra;
    if (total == 0) return;
    for (const DialogControl& c : resource.controls) {
        QWidget* widget = control(c.id);
        QRect place = widget->geometry();
        for (const Growth& g : growths) {
            if (g.id == c.id) place.setHeight(place.height() + g.extra);
            if (c.y >= g.bottom) place.translate(0, g.extra);
        }
        widget->setGeometry(place);
    }
    setFixedSize(width(), height() + total);
}

// The first field has the focus with its text selected, so that typing
// replaces what was left there last time rather than adding to it.
void DialogWindow::select_first_field(const DialogResource& resource)
{
    for (const DialogControl& c : resource.controls) {
        if (c.kind != DialogControlKind::edit || !c.visible) continue;
        auto* edit = qobject_cast<QLineEdit*>(control(c.id));
        edit->setFocus();
        edit->selectAll();
        return;
    }
}

QWidget* DialogWindow::control(std::int32_t control_id) const
{
    const auto it = widgets_.find(control_id);
    return it == widgets_.end() ? nullptr : it->second;
}

std::int32_t DialogWindow::run()
{
    exec();
    return dialog_.closing_id != 0 ? dialog_.closing_id : kDialogCancel;
}

void DialogWindow::refresh(std::int32_t control_id)
{
    QWidget* widget = control(control_id);
    if (widget == nullptr) return;
    const QSignalBlocker block(widget);
    const QString text = qtext(dlg_get_char(dialog_, control_id));
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != text) edit->setText(text);
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->setText(text);
        box->setChecked(dlg_get_logical(dialog_, control_id));
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(breakable(text, *label));
    }
}

void DialogWindow::refresh_all()
{
    for (const auto& [id, widget] : widgets_) refresh(id);
}

void DialogWindow::finish()
{
    if (dialog_.closing_id == 0) dialog_.closing_id = kDialogCancel;
    QDialog::done(dialog_.closing_id);
}

void DialogWindow::press(std::int32_t control_id)
{
    const bool close = dlg_press(dialog_, control_id);
    refresh_all();
    if (close || rt_stop_requested()) finish();
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: press(kDialogOk); break;
    case Qt::Key_Escape: press(kDialogCancel); break;
    default: QDialog::keyPressEvent(event);
    }
}

// The window's close control.
void DialogWindow::reject()
{
    dialog_.closing_id = kDialogCancel;
    finish();
}

}  // namespace platform::qt
