#pragma once

#include <QAbstractSpinBox>

class QFocusEvent;
class QKeyEvent;
class QLineEdit;

// The thumbnail-size spin box. Its text is the whole state: the value is the text read as a
// decimal integer (40 when it doesn't read as one), so a typed value outside the limits stands
// until the box loses the focus, when it is pulled to the nearer limit. Typing accepts only
// digits, signs, the decimal separator and editing keys; anything else, and Enter, beeps.
class TSpinSize : public QAbstractSpinBox {
    Q_OBJECT
public:
    static constexpr int Minimum = 40;
    static constexpr int Maximum = 600;
    static constexpr int Step = 20;

    explicit TSpinSize(QWidget *parent = nullptr);

    // The text read as a decimal integer, unclamped; Minimum when it is not an integer.
    int value() const;
    // Sets the value, held within the limits; the text changes only when the value does.
    void setValue(int value);
    // The text in the box.
    QString text() const;
    // The editor, whose every text change is reported by textEdited().
    QLineEdit *editor() const { return lineEdit(); }

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

signals:
    // The text changed, whether typed, stepped or set by the program.
    void textChanged(const QString &text);

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool isTypingKey(const QKeyEvent *event) const;
};
