#pragma once
// A short number edit with an up-down control beside it: the text may hold anything the user typed
// (so the dialog can refuse it), the arrows and the Up/Down keys step within the range.
#include <QWidget>
#include <optional>

class QLineEdit;
class QToolButton;

namespace wayloom {

class NumberField final : public QWidget {
    Q_OBJECT
public:
    NumberField(int low, int high, int maxLength, QWidget* parent = nullptr);

    void setValue(int value);
    // The number the edit holds when it is one in range.
    std::optional<int> value() const;
    // Selects the edit's text and gives it the focus (after a refusal).
    void selectForCorrection();
    QLineEdit* edit() const { return edit_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int delta);

    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
    int low_;
    int high_;
    int position_;  // the up-down's position, kept when the text is not a number
};

}  // namespace wayloom
