#include "ui/about_box.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "app/command_ids.h"
#include "app/string_table.h"
#include "ui/qt_text.h"
#include "ui/toolbar_images.h"

namespace wayloom {

AboutBox::AboutBox(bool fade, QWidget* parent) : EffectsDialog(parent, ToInt(CommandId::About), fade) {
    setWindowTitle(ToQString(Text(TextId::AboutTitle)));
    constexpr int ProductPageImage = 48;  // the toolbar image of command 1060, the product's page
    auto* picture = new QLabel;
    picture->setPixmap(QPixmap::fromImage(ToolbarImage(ProductPageImage, 2 * LargeImageSize)));
    auto* name = new QLabel(ToQString(Text(TextId::ProductName)));
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    name->setFont(bold);
    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    const QString version = QCoreApplication::applicationVersion();
    if (!version.isEmpty()) texts->addWidget(new QLabel(ToQString(FormatText(TextId::AboutVersion, {ToU16(version)}))));
    texts->addWidget(new QLabel(ToQString(Text(TextId::AboutDescription))));
    texts->addWidget(new QLabel(ToQString(Text(TextId::AboutAddress))));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(18, 18, 24, 18);
    layout->setSpacing(16);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(texts);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) accept();
    else EffectsDialog::keyPressEvent(event);
}

void AboutBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) accept();
}

}  // namespace wayloom
