#pragma once

#include <QColor>
#include <QMainWindow>
#include <QString>

#include <memory>

class QAction;
class QActionGroup;
class QComboBox;
class QEventLoop;
class QFont;
class QFontComboBox;
class QPrinter;
class QTextCharFormat;
class QTextEdit;
class QToolButton;
class ReportDocument;
class ReportFindDialog;

// The report window: shows a calculation book in an editor, lets the user edit, find, save, print and export it.
// The project window creates it hidden, writes the book into report(), and shows it with showModal().
class Tfm_outputfile : public QMainWindow
{
    Q_OBJECT

public:
    // `standalone` picks the caption: the standalone edition's title or the suite's.
    explicit Tfm_outputfile(bool standalone, QWidget* parent = nullptr);
    ~Tfm_outputfile() override;

    // The book shown in the editor; the calculation writes into it before the window is shown.
    ReportDocument& report();
    QTextEdit* editor() const { return RxRichEdit1; }

    // Save's enabled state is the mark of unsaved changes.
    void setSaveEnabled(bool enabled);
    bool saveEnabled() const;

    // Caret to the start, shows the window modally and returns when it has closed (always 0).
    int showModal();

    // The file the last Open loaded; Save writes to it without asking. Empty until then.
    QString currentFileName() const { return m_currentFile; }

    // The folder "我的计算书" in the program folder, created when missing.
    static QString reportsDir();

    // Name of the temporary file printing writes: "temp", the date with only digits, ".rtf", in the program folder.
    static QString printTempPath();

    // The find step: the next match of `text` after the selection (or the caret), forward only. Selects it and
    // returns true; otherwise shows "查找的文本不存在." and returns false.
    bool findNext(const QString& text, bool matchCase, bool wholeWords);

    QAction *Act_open, *Act_save, *Act_exportPdf, *Act_exportOdt, *Act_setprint, *Act_print, *Act_close;
    QAction *Act_undo, *Act_redo, *Act_cut, *Act_copy, *Act_paste, *Act_clear, *Act_selectall, *Act_find;
    QAction *Act_font, *Act_FontColor, *Act_bold, *Act_Italic, *Act_underline;
    QAction *Act_AlignLeft, *Act_alignCenter, *Act_AlignRight, *Act_Protected, *Act_help;

protected:
    // Seams for the dialogs, so tests answer them. A file chooser returns the path or an empty text when
    // cancelled; `filter` is in Qt's form.
    virtual QString chooseOpenFile(const QString& dir, const QString& filter);
    virtual QString chooseSaveFile(const QString& title, const QString& dir, const QString& filter,
                                   const QString& defaultSuffix);
    // The print dialog; true when the user confirms.
    virtual bool confirmPrint(QPrinter& printer);
    virtual void setupPrinter(QPrinter& printer);
    // The font and colour dialogs, started from the value passed in; false when cancelled.
    virtual bool chooseFont(QFont& font);
    virtual bool chooseColor(QColor& color);
    // Hands the document to the printer; tests replace it to see what would be printed.
    virtual void printDocument(QPrinter& printer);

    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildActions();
    void buildMenus();
    void buildBars();
    void connectEditor();

    void openFile();
    // Writes the book; false when nothing was saved (dialog cancelled, overwrite refused, write failed).
    bool save();
    void exportAs(int format);
    void print();
    void find();
    void chooseFontForSelection();
    void mergeFormat(const QTextCharFormat& format);
    void updateFromSelection();
    void textChanged();
    bool writeRtfTo(const QString& path);

    std::unique_ptr<ReportDocument> m_report;
    std::unique_ptr<QPrinter> m_printer;
    QTextEdit* RxRichEdit1 = nullptr;
    QFontComboBox* m_fontName = nullptr;
    QComboBox* m_fontSize = nullptr;
    QToolButton* m_colorButton = nullptr;
    QActionGroup* m_alignGroup = nullptr;
    ReportFindDialog* m_findDialog = nullptr;
    QEventLoop* m_loop = nullptr;
    QColor m_color = Qt::black;
    QString m_currentFile;
    bool m_saved = true;
    bool m_updatingBars = false;
};
