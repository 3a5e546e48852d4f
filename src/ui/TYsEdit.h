#pragma once
// Used by the parameter pages and parameter dialogs for every numeric parameter.

#include <QLineEdit>
#include <functional>

// A one-line numeric entry: filters keys by number type, normalises its text on leaving and, when a range is set,
// refuses a value outside it with a warning, keeping the focus.
class TYsEdit : public QLineEdit
{
    Q_OBJECT
public:
    enum TNumEditType { EditInt, EditFloat };

    explicit TYsEdit(QWidget* parent = nullptr);

    // The text as a number; a text that does not convert reads 0 and empties the field.
    double Numb();
    // Sets the text to the shortest decimal form of `value`.
    void setNumb(double value);

    int Mydec() const { return m_mydec; }
    // Decimals shown; a value <= 0 stores 2.
    void setMydec(int decimals);
    TNumEditType EditType() const { return m_editType; }
    void setEditType(TNumEditType type);

    bool ShowError = true; // normalise and range-check on leaving
    double MaxValue = 0;   // the range is checked only when MinValue != MaxValue
    double MinValue = 0;
    bool FormatNumPoint = false; // on leaving, write reals with exactly Mydec decimals

    // Set whenever the check on leaving refused the entry; cleared when a check passes.
    bool hasError() const { return m_error; }

    // The field's own exit handler, run after the check on leaving.
    void setOnExit(std::function<void()> handler) { m_onExit = std::move(handler); }
    // The steps of leaving the field (check, then the exit handler), as when the focus leaves it.
    void runExit();
    // Only the normalisation and range check; false when the entry was refused.
    bool checkOnExit();

    // Appends "0" until `text` has `decimals` characters after its "." (a text without "." is left as it is).
    static QString padDecimals(const QString& text, int decimals);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void refuse(const QString& message);

    int m_mydec = 2;
    TNumEditType m_editType = EditFloat;
    bool m_error = false;
    bool m_inExit = false;
    std::function<void()> m_onExit;
};
