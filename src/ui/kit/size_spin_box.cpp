#include "size_spin_box.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>

namespace {
bool readsAsInteger(const QString &text, int *value)
{
    bool ok = false;
    const int parsed = text.toInt(&ok, 10);
    if (ok)
        *value = parsed;
    return ok;
}
}

TSpinSize::TSpinSize(QWidget *parent) : QAbstractSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setKeyboardTracking(true);
    setAccelerated(false);
    lineEdit()->setText(QString::number(100));
    connect(lineEdit(), &QLineEdit::textChanged, this, &TSpinSize::textChanged);
}

int TSpinSize::value() const
{
    int parsed = Minimum;
    return readsAsInteger(lineEdit()->text(), &parsed) ? parsed : Minimum;
}

void TSpinSize::setValue(int value)
{
    const QString text = QString::number(std::clamp(value, Minimum, Maximum));
    if (text != lineEdit()->text())
        lineEdit()->setText(text);
}

QString TSpinSize::text() const
{
    return lineEdit()->text();
}

void TSpinSize::stepBy(int steps)
{
    setValue(std::clamp(value(), Minimum, Maximum) + steps * Step);
    selectAll();
}

QValidator::State TSpinSize::validate(QString &input, int &) const
{
    const QChar separator = locale().decimalPoint().front();
    for (QChar c : input)
        if (!c.isDigit() && c != u'+' && c != u'-' && c != separator)
            return QValidator::Invalid;
    int parsed = 0;
    if (readsAsInteger(input, &parsed) && parsed >= Minimum && parsed <= Maximum)
        return QValidator::Acceptable;
    return QValidator::Intermediate;
}

void TSpinSize::fixup(QString &input) const
{
    int parsed = 0;
    if (readsAsInteger(input, &parsed))
        input = QString::number(std::clamp(parsed, Minimum, Maximum));
}

QAbstractSpinBox::StepEnabled TSpinSize::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

bool TSpinSize::isTypingKey(const QKeyEvent *event) const
{
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    // Shortcuts such as copy, paste and undo; pasted text still meets the validator.
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return true;
    const QString typed = event->text();
    if (typed.isEmpty())
        return true;
    const QChar separator = locale().decimalPoint().front();
    return std::all_of(typed.begin(), typed.end(), [separator](QChar c) {
        return c.isDigit() || c == u'+' || c == u'-' || c == separator;
    });
}

void TSpinSize::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter || !isTypingKey(event)) {
        QApplication::beep();
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void TSpinSize::focusOutEvent(QFocusEvent *event)
{
    int parsed = 0;
    if (readsAsInteger(lineEdit()->text(), &parsed) && (parsed < Minimum || parsed > Maximum))
        setValue(parsed);
    QAbstractSpinBox::focusOutEvent(event);
}
