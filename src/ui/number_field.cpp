#include "ui/number_field.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace wayloom {

NumberField::NumberField(int low, int high, int maxLength, QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), up_(new QToolButton(this)), down_(new QToolButton(this)),
      low_(low), high_(high), position_(low) {
    edit_->setMaxLength(maxLength);
    edit_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit_));
    edit_->setFixedWidth(edit_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * maxLength + 14);
    edit_->setAlignment(Qt::AlignRight);
    edit_->installEventFilter(this);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setFixedSize(16, 11);
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    auto* arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(edit_);
    layout->addLayout(arrows);
    setFocusProxy(edit_);
}

void NumberField::setValue(int value) {
    position_ = std::clamp(value, low_, high_);
    edit_->setText(QString::number(position_));
}

std::optional<int> NumberField::value() const {
    bool ok = false;
    const int number = edit_->text().toInt(&ok);
    if (!ok || number < low_ || number > high_) return std::nullopt;
    return number;
}

void NumberField::selectForCorrection() {
    edit_->setFocus();
    edit_->selectAll();
}

void NumberField::step(int delta) {
    if (const std::optional<int> typed = value()) position_ = *typed;
    setValue(position_ + delta);
}

bool NumberField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return false;
}

}  // namespace wayloom
