#include "TYsEdit.h"

#include "core/Messages.h"
#include "core/NumberText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <cmath>

namespace {

bool isBlankNumber(const QString& text)
{
    const QString t = text.trimmed();
    return t.isEmpty() || t == QLatin1String(".") || t == QLatin1String("-");
}

// The value as shown with `decimals` places.
double rounded(double x, int decimals)
{
    return textToReal(formatFixedDecimals(x, decimals)).value_or(x);
}

} // namespace

TYsEdit::TYsEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setText(QStringLiteral("0.00"));
    setMaxLength(8);
}

double TYsEdit::Numb()
{
    if (m_editType == EditFloat) {
        if (const auto v = textToReal(text())) {
            return *v;
        }
    } else if (const auto n = textToInteger(text().trimmed()); n && !text().contains(QLatin1Char('.'))) {
        return *n;
    }
    clear();
    return 0;
}

void TYsEdit::setNumb(double value)
{
    setText(realToText(value));
}

void TYsEdit::setMydec(int decimals)
{
    m_mydec = decimals <= 0 ? 2 : decimals;
    if (m_editType == EditFloat && FormatNumPoint) {
        setText(padDecimals(text(), m_mydec));
    }
}

void TYsEdit::setEditType(TNumEditType type)
{
    m_editType = type;
    if (type == EditFloat) {
        setText(padDecimals(text(), m_mydec));
    } else {
        setText(QStringLiteral("0"));
    }
}

QString TYsEdit::padDecimals(const QString& text, int decimals)
{
    const int point = text.indexOf(QLatin1Char('.'));
    if (point < 0) {
        return text;
    }
    QString padded = text;
    while (padded.size() - point - 1 < decimals) {
        padded += QLatin1Char('0');
    }
    return padded;
}

void TYsEdit::keyPressEvent(QKeyEvent* event)
{
    const QString t = event->text();
    // Keys without a character (arrows, Delete, shortcuts) stay with the edit; typed characters are filtered.
    if (t.size() != 1 || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Return
        || event->key() == Qt::Key_Enter || !t.at(0).isPrint()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar c = t.at(0);
    const QString current = text();
    bool accept = c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (c == QLatin1Char('-')) {
        accept = current.isEmpty();
    } else if (m_editType == EditFloat) {
        const QString separator = QLocale::system().decimalPoint();
        if (c == QLatin1Char('.')) {
            accept = !current.contains(QLatin1Char('.'));
        } else if (separator.size() == 1 && c == separator.at(0)) {
            accept = !current.contains(separator);
        }
    }
    if (accept) {
        QLineEdit::keyPressEvent(event);
    } else {
        event->accept();
    }
}

void TYsEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Leaving for another window (a message box, a menu) is not leaving the field.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) {
        return;
    }
    runExit();
}

void TYsEdit::runExit()
{
    if (m_inExit) {
        return;
    }
    m_inExit = true;
    checkOnExit();
    if (m_onExit) {
        m_onExit();
    }
    m_inExit = false;
}

void TYsEdit::refuse(const QString& message)
{
    m_error = true;
    ShowWarning(message);
    setFocus();
    selectAll();
}

bool TYsEdit::checkOnExit()
{
    if (!ShowError) {
        return true;
    }
    if (m_editType == EditFloat) {
        if (isBlankNumber(text())) {
            setText(QStringLiteral("0.0"));
        }
        const auto v = textToReal(text());
        if (!v) {
            setText(QStringLiteral("0"));
            refuse(QStringLiteral("数据非法，自动置为0！"));
            return false;
        }
        if (FormatNumPoint) {
            setText(formatFixedDecimals(*v, m_mydec));
        }
        if (MinValue != MaxValue) {
            // Above the range only when the value as shown exceeds the bound as shown; below it whenever it is
            // below the true minimum, so a value that merely rounds to the minimum never passes.
            const double hi = rounded(MaxValue, m_mydec);
            if (rounded(*v, m_mydec) > hi || *v < MinValue) {
                refuse(QStringLiteral("请输入 %1 到 %2 之间的实数！").arg(realToText(MinValue), realToText(hi)));
                return false;
            }
        }
    } else {
        if (isBlankNumber(text())) {
            setText(QStringLiteral("0"));
        }
        const QString t = text().trimmed();
        const auto n = t.contains(QLatin1Char('.')) ? std::nullopt : textToInteger(t);
        if (!n) {
            setText(QStringLiteral("0"));
            refuse(QStringLiteral("数据非法，自动置为0！"));
            return false;
        }
        if (MinValue != MaxValue) {
            const double lo = std::ceil(MinValue);
            const double hi = std::floor(MaxValue);
            if (*n > hi || *n < lo) {
                refuse(QStringLiteral("请输入 %1 到 %2 之间的整数！").arg(realToText(lo), realToText(hi)));
                return false;
            }
        }
    }
    m_error = false;
    return true;
}
