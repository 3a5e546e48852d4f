#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The report window's find dialog: text, match case and whole words; the search always runs forward, so there is
// no direction choice. Stays open between searches.
class ReportFindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ReportFindDialog(QWidget* parent = nullptr);

    QString text() const;
    bool matchCase() const;
    bool wholeWords() const;
    void setText(const QString& text);
    void setMatchCase(bool on);
    void setWholeWords(bool on);

signals:
    // The user asked for the next match.
    void findNext();

private:
    QLineEdit* m_text;
    QCheckBox* m_matchCase;
    QCheckBox* m_wholeWords;
    QPushButton* m_findButton;
};
