#include "support/dialog_label_check.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTextLayout>

#include "platform/qt/dialog_window.h"

namespace testing_support {

std::vector<std::string> labels_cut(const Dialog& dialog)
{
    Dialog shown = dialog;
    const platform::qt::DialogWindow window(shown, nullptr);
    std::vector<std::string> faults;
    for (const DialogControl& control : dialog.resource.controls) {
        if (control.kind != DialogControlKind::static_text || control.text.empty()) continue;
        const auto* label = qobject_cast<QLabel*>(window.control(control.id));
        if (label == nullptr) continue;
        const QString text = QString::fromStdString(control.text);
        const QFontMetrics metrics = label->fontMetrics();
        const QRect box = label->contentsRect();
        const QRect wrapped = metrics.boundingRect(box, Qt::TextWordWrap, text);
        bool word_cut = false;
        for (const QString& word : text.split(QLatin1Char(' ')))
            word_cut = word_cut || metrics.horizontalAdvance(word) > box.width();
        if (word_cut || wrapped.height() > box.height()) {
            faults.push_back(std::to_string(control.id) + " \"" + control.text +
                             "\": " + std::to_string(metrics.horizontalAdvance(text)) + " x " +
                             std::to_string(metrics.height()) + " in " + std::to_string(box.width()) + " x " +
                             std::to_string(box.height()));
        }
    }
    return faults;
}

std::vector<std::string> label_lines(const Dialog& dialog, std::int32_t control_id)
{
    Dialog shown = dialog;
    const platform::qt::DialogWindow window(shown, nullptr);
    const auto* label = qobject_cast<QLabel*>(window.control(control_id));
    if (label == nullptr) return {};
    QTextLayout layout(label->text(), label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    std::vector<std::string> lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->contentsRect().width());
        QString text = label->text().mid(line.textStart(), line.textLength());
        text.remove(QChar(0x200B));
        lines.push_back(text.trimmed().toStdString());
    }
    layout.endLayout();
    return lines;
}

}  // namespace testing_support
