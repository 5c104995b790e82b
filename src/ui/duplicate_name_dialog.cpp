#include "ui/duplicate_name_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/string_table.h"
#include "ui/qt_text.h"

namespace wayloom {

// Shown during a read, not by a command of its own: no command icon.
DuplicateNameDialog::DuplicateNameDialog(const QString& name, bool fade, QWidget* parent)
    : EffectsDialog(parent, 0, fade) {
    setObjectName(QStringLiteral("DuplicateNameDialog"));
    setWindowTitle(ToQString(Text(TextId::DuplicateDialogTitle)));
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(size, size));
    auto* exists = new QLabel(ToQString(Text(TextId::DuplicateDialogExists)), this);
    auto* nameLabel = new QLabel(name, this);
    nameLabel->setTextFormat(Qt::PlainText);
    QFont bold = nameLabel->font();
    bold.setBold(true);
    nameLabel->setFont(bold);
    auto* how = new QLabel(ToQString(Text(TextId::DuplicateDialogHow)), this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(exists);
    texts->addWidget(nameLabel);
    texts->addSpacing(6);
    texts->addWidget(how);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    struct Button {
        TextId text;
        DuplicateAnswer answer;
    };
    for (const Button& b : {Button{TextId::DuplicateDrop, DuplicateAnswer::Drop},
                            Button{TextId::DuplicateDropAll, DuplicateAnswer::DropAll},
                            Button{TextId::DuplicateKeep, DuplicateAnswer::Keep},
                            Button{TextId::DuplicateKeepAll, DuplicateAnswer::KeepAll}}) {
        auto* button = new QPushButton(ToQString(Text(b.text)), this);
        button->setObjectName(QStringLiteral("Answer%1").arg(static_cast<int>(b.answer)));
        if (b.answer == DuplicateAnswer::KeepAll) button->setDefault(true);
        const DuplicateAnswer answer = b.answer;
        connect(button, &QPushButton::clicked, this, [this, answer] {
            answer_ = answer;
            accept();
        });
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

DuplicateAnswer AskDuplicateName(const QString& name, bool fade, QWidget* parent) {
    DuplicateNameDialog dialog(name, fade, parent);
    dialog.exec();
    return dialog.answer();
}

}  // namespace wayloom
