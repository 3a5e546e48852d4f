#include "TempHome.h"
#include "calc/ground/TGroundScaffold.h"
#include "core/Clock.h"
#include "report/CalculationObject.h"
#include "report/ReportDocument.h"
#include "report/ReportFonts.h"
#include "report/RtfWriter.h"
#include "ui/ReportFindDialog.h"
#include "ui/Tfm_outputfile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <deque>
#include <gtest/gtest.h>

namespace {

using Answer = Messages::Answer;
using Kind = ScriptedMessages::Shown::Kind;

// The window with its dialogs answered by the test: each chooser takes the next queued path ("" cancels).
class ScriptedReportWindow : public Tfm_outputfile
{
public:
    using Tfm_outputfile::Tfm_outputfile;

    std::deque<QString> openPaths;
    std::deque<QString> savePaths;
    int openDialogs = 0;
    int saveDialogs = 0;
    QString saveTitle, saveDir, saveFilter, saveSuffix, openDir, openFilter;

    bool printConfirmed = true;
    int printed = 0;
    QString printedDocName;
    QByteArray tempFileWhilePrinting;
    QMarginsF printMargins;

protected:
    QString chooseOpenFile(const QString& dir, const QString& filter) override
    {
        ++openDialogs;
        openDir = dir;
        openFilter = filter;
        return take(openPaths);
    }
    QString chooseSaveFile(const QString& title, const QString& dir, const QString& filter,
                           const QString& defaultSuffix) override
    {
        ++saveDialogs;
        saveTitle = title;
        saveDir = dir;
        saveFilter = filter;
        saveSuffix = defaultSuffix;
        return take(savePaths);
    }
    bool confirmPrint(QPrinter&) override { return printConfirmed; }
    void setupPrinter(QPrinter&) override { }
    void printDocument(QPrinter& printer) override
    {
        ++printed;
        printedDocName = printer.docName();
        tempFileWhilePrinting = readFile(printer.docName());
        printMargins = printer.pageLayout().margins(QPageLayout::Inch);
    }

private:
    static QString take(std::deque<QString>& queue)
    {
        if (queue.empty()) {
            return {};
        }
        QString s = queue.front();
        queue.pop_front();
        return s;
    }
};

class ReportWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.report().AddLine(QStringLiteral("一、计算参数"), 0);
        window.report().AddLine(QStringLiteral("立杆横距 lb=1.05m"), 2);
        window.show();
    }
    void TearDown() override
    {
        // Never leave a question waiting when the fixture closes the window.
        window.setSaveEnabled(false);
    }
    ScriptedMessages& messages() { return home.messages(); }
    QString reportsDir() const { return home.path() + QStringLiteral("/我的计算书"); }
    void type(const QString& text)
    {
        window.editor()->moveCursor(QTextCursor::End);
        window.editor()->insertPlainText(text);
    }

    TempHome home;
    ScriptedReportWindow window{true};
};

TEST(ReportWindowCommands, CaptionsShortcutsBarsAndStartState)
{
    TempHome home;
    Tfm_outputfile w(true);
    struct Row
    {
        const char* name;
        const char* caption;
        const char* shortcut;
    };
    const Row rows[] = {
        {"Act_open", "打开...", "Ctrl+O"}, {"Act_save", "保存", "Ctrl+S"},  {"Act_setprint", "打印设置", ""},
        {"Act_print", "打印", ""},         {"Act_close", "退出", "Ctrl+Q"}, {"Act_undo", "撤消", "Ctrl+U"},
        {"Act_redo", "返回", ""},          {"Act_cut", "剪切", "Ctrl+X"},   {"Act_copy", "复制", "Ctrl+C"},
        {"Act_paste", "粘贴", "Ctrl+V"},   {"Act_clear", "清除", "Del"},    {"Act_selectall", "选择", ""},
        {"Act_find", "查找", "Ctrl+F"},    {"Act_font", "字体", ""},        {"Act_FontColor", "字体颜色", ""},
        {"Act_bold", "粗体", ""},          {"Act_Italic", "斜体", ""},      {"Act_underline", "下划线", ""},
        {"Act_AlignLeft", "左边对齐", ""}, {"Act_alignCenter", "居中", ""}, {"Act_AlignRight", "右边对齐", ""},
        {"Act_Protected", "保护", ""},     {"Act_help", "帮助", ""},
    };
    for (const Row& r : rows) {
        auto* a = w.findChild<QAction*>(QString::fromLatin1(r.name));
        ASSERT_NE(a, nullptr) << r.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(r.caption)) << r.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(r.shortcut))) << r.name;
    }
    EXPECT_EQ(w.Act_redo->iconText(), QStringLiteral("恢复"));

    QStringList menus;
    for (QAction* a : w.menuBar()->actions()) {
        menus << a->text();
    }
    EXPECT_EQ(menus, (QStringList{"文件(&F)", "编辑(&E)", "格式(&O)", "帮助(&H)"}));
    QStringList bars;
    for (QToolBar* b : w.findChildren<QToolBar*>()) {
        bars << b->windowTitle();
    }
    bars.sort();
    EXPECT_EQ(bars, (QStringList{"工具", "格式", "退出"}));

    EXPECT_EQ(w.windowTitle(), QStringLiteral("云杉脚手架智能计算软件"));
    EXPECT_EQ(Tfm_outputfile(false).windowTitle(), QStringLiteral("云杉施工安全设施计算软件"));
    EXPECT_GE(w.minimumWidth(), 800);
    EXPECT_GE(w.minimumHeight(), 570);

    EXPECT_TRUE(w.saveEnabled());
    for (QAction* a : {w.Act_copy, w.Act_cut, w.Act_undo, w.Act_redo, w.Act_help}) {
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    }
    EXPECT_TRUE(w.Act_AlignLeft->isChecked());
    auto* name = w.findChild<QComboBox*>(QStringLiteral("cb_fontname"));
    auto* size = w.findChild<QComboBox*>(QStringLiteral("cb_fontsize"));
    ASSERT_TRUE(name && size);
    EXPECT_EQ(name->currentText(), QStringLiteral("宋体"));
    EXPECT_EQ(size->currentText(), QStringLiteral("9"));
    QStringList sizes;
    for (int i = 0; i < size->count(); ++i) {
        sizes << size->itemText(i);
    }
    EXPECT_EQ(sizes.join(' '), QStringLiteral("8 9 10 11 12 14 16 18 20 22 24 26 28 36 48 72"));
}

TEST(ReportWindowCommands, LeavesTheUsersClipboardAlone)
{
    TempHome home;
    QApplication::clipboard()->setText(QStringLiteral("用户的剪贴板"));
    Tfm_outputfile w(true);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("用户的剪贴板"));
    EXPECT_TRUE(w.Act_paste->isEnabled());
    QApplication::clipboard()->clear();
    EXPECT_FALSE(w.Act_paste->isEnabled());
}

TEST_F(ReportWindow, SavingAsksForANameEachTimeAndDocIsTheSameRtf)
{
    window.savePaths = {home.file("a.rtf"), home.file("b.rtf"), home.file("b.Doc"), home.file("c")};
    window.Act_save->trigger();
    EXPECT_EQ(window.saveTitle, QStringLiteral("保存为"));
    EXPECT_EQ(window.saveDir, reportsDir());
    EXPECT_TRUE(QFileInfo(reportsDir()).isDir());
    EXPECT_EQ(window.saveFilter, QStringLiteral("Microsoft Word 文档(*.Doc);;Rtf 文件 (*.Rtf)"));
    EXPECT_EQ(window.saveSuffix, QStringLiteral("Doc"));
    ASSERT_EQ(messages().shown().size(), 1u);
    EXPECT_EQ(messages().shown()[0].title, QStringLiteral("提示信息"));
    EXPECT_EQ(messages().shown()[0].text, QStringLiteral("文件保存成功!"));
    EXPECT_FALSE(window.saveEnabled());
    EXPECT_TRUE(readFile(home.file("a.rtf")).startsWith("{\\rtf"));

    // Saving again without an Open asks again; the chosen name never becomes the current file.
    type(QStringLiteral("修改"));
    EXPECT_TRUE(window.saveEnabled());
    window.Act_save->trigger();
    EXPECT_EQ(window.saveDialogs, 2);
    EXPECT_TRUE(window.currentFileName().isEmpty());
    window.setSaveEnabled(true);
    window.Act_save->trigger();
    EXPECT_EQ(window.saveDialogs, 3);
    const QByteArray rtf = readFile(home.file("b.rtf"));
    EXPECT_EQ(rtf, writeRtf(*window.editor()->document()));
    EXPECT_EQ(readFile(home.file("b.Doc")), rtf);

    // A name without an extension gets the default one.
    window.setSaveEnabled(true);
    window.Act_save->trigger();
    EXPECT_EQ(readFile(home.file("c.Doc")), rtf);
}

TEST_F(ReportWindow, CancelledOrRefusedSaveWritesNothing)
{
    window.savePaths = {QString()};
    window.Act_save->trigger();
    EXPECT_TRUE(messages().shown().empty());
    EXPECT_TRUE(window.saveEnabled());

    writeFile(home.file("old.rtf"), "old");
    window.savePaths = {home.file("old.rtf"), home.file("old.rtf")};
    messages().queueAnswer(Answer::No);
    window.Act_save->trigger();
    ASSERT_EQ(messages().texts(), QStringList{"此文件已经存在,是否要覆盖?"});
    EXPECT_EQ(messages().shown()[0].kind, Kind::YesNo);
    EXPECT_EQ(readFile(home.file("old.rtf")), QByteArray("old"));
    EXPECT_TRUE(window.saveEnabled());

    messages().clear();
    messages().queueAnswer(Answer::Yes);
    window.Act_save->trigger();
    EXPECT_EQ(messages().texts(), (QStringList{"此文件已经存在,是否要覆盖?", "文件保存成功!"}));
    EXPECT_TRUE(readFile(home.file("old.rtf")).startsWith("{\\rtf"));
    EXPECT_FALSE(window.saveEnabled());
}

TEST_F(ReportWindow, OpenLoadsTheFileAndSaveThenWritesItWithoutADialog)
{
    ReportDocument other;
    other.AddLine(QStringLiteral("已保存的计算书"), 0);
    writeFile(home.file("book.Doc"), writeRtf(other.document()));

    window.openPaths = {home.file("book.Doc")};
    window.Act_open->trigger();
    EXPECT_EQ(window.openDir, reportsDir());
    EXPECT_EQ(window.openFilter, QStringLiteral("Microsoft Word 文档(*.Doc);;Rtf 文件 (*.Rtf)"));
    EXPECT_EQ(window.editor()->toPlainText().trimmed(), QStringLiteral("已保存的计算书"));
    EXPECT_EQ(window.currentFileName(), home.file("book.Doc"));
    EXPECT_FALSE(window.saveEnabled());
    EXPECT_FALSE(window.Act_undo->isEnabled()) << "loading a file is not an edit to undo";

    type(QStringLiteral("补充"));
    EXPECT_TRUE(window.saveEnabled());
    window.Act_save->trigger();
    EXPECT_EQ(window.saveDialogs, 0);
    EXPECT_TRUE(messages().shown().empty());
    EXPECT_FALSE(window.saveEnabled());
    EXPECT_EQ(readFile(home.file("book.Doc")), writeRtf(*window.editor()->document()));
}

TEST_F(ReportWindow, OpenOfAMissingFileWarnsAndKeepsTheBook)
{
    const QString before = window.editor()->toPlainText();
    window.setSaveEnabled(false);
    window.openPaths = {home.file("missing.Doc")};
    window.Act_open->trigger();
    ASSERT_EQ(messages().shown().size(), 1u);
    EXPECT_EQ(messages().shown()[0].kind, Kind::Warning);
    EXPECT_EQ(messages().shown()[0].text, QStringLiteral("打开的文件不存在!"));
    EXPECT_EQ(window.editor()->toPlainText(), before);
    EXPECT_TRUE(window.saveEnabled());
    EXPECT_TRUE(window.currentFileName().isEmpty());

    // A file that is not rich text is read as plain text.
    writeFile(home.file("notes.rtf"), QStringLiteral("纯文本\n第二行").toUtf8());
    window.openPaths = {home.file("notes.rtf")};
    window.Act_open->trigger();
    EXPECT_EQ(window.editor()->toPlainText().trimmed(), QStringLiteral("纯文本\n第二行"));
}

// Each row: the answers given, what Save's dialog returns, whether a file is there already, whether the window
// closes, the texts shown.
TEST_F(ReportWindow, ClosingAsksToSaveUnsavedBooks)
{
    struct Row
    {
        const char* what;
        bool unsaved;
        std::vector<Answer> answers;
        QString savePath;
        bool existing;
        bool closes;
        QStringList texts;
    };
    const QString ask = QStringLiteral("    即将退出，需要保存计算书吗？");
    const QString overwrite = QStringLiteral("此文件已经存在,是否要覆盖?");
    const QString saved = QStringLiteral("文件保存成功!");
    const std::vector<Row> rows = {
        {"saved book", false, {}, {}, false, true, {}},
        {"no", true, {Answer::No}, {}, false, true, {ask}},
        {"cancel", true, {Answer::Cancel}, {}, false, false, {ask}},
        {"yes, dialog cancelled", true, {Answer::Yes}, {}, false, false, {ask}},
        {"yes, overwrite refused", true, {Answer::Yes, Answer::No}, "x.Doc", true, false, {ask, overwrite}},
        {"yes, new file", true, {Answer::Yes}, "y.Doc", false, true, {ask, saved}},
        {"yes, overwritten", true, {Answer::Yes, Answer::Yes}, "z.Doc", true, true, {ask, overwrite, saved}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        ScriptedReportWindow w(true);
        w.report().AddLine(QStringLiteral("计算书"), 0);
        w.show();
        w.setSaveEnabled(r.unsaved);
        messages().clear();
        for (Answer a : r.answers) {
            messages().queueAnswer(a);
        }
        const QString path = r.savePath.isEmpty() ? QString() : home.file(r.savePath);
        if (r.existing) {
            writeFile(path, "old");
        }
        w.savePaths = {path};
        EXPECT_EQ(w.close(), r.closes);
        EXPECT_EQ(w.isVisible(), !r.closes);
        EXPECT_EQ(messages().texts(), r.texts);
        if (!r.texts.isEmpty()) {
            EXPECT_EQ(messages().shown()[0].kind, Kind::YesNoCancel);
            EXPECT_EQ(messages().shown()[0].title, QStringLiteral("请选择下一步操作"));
        }
        w.setSaveEnabled(false);
    }
}

TEST_F(ReportWindow, ShowModalPutsTheCaretAtTheStartAndReturnsWhenClosed)
{
    window.hide();
    window.editor()->moveCursor(QTextCursor::End);
    window.setSaveEnabled(false);
    int caret = -1;
    bool modal = false;
    QTimer::singleShot(0, &window, [&] {
        caret = window.editor()->textCursor().position();
        modal = window.isVisible() && window.windowModality() == Qt::ApplicationModal;
        window.close();
    });
    // A refused close must not hang the test.
    QTimer::singleShot(5000, &window, [&] {
        window.setSaveEnabled(false);
        window.close();
    });
    EXPECT_EQ(window.showModal(), 0);
    EXPECT_EQ(caret, 0);
    EXPECT_TRUE(modal);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ReportWindow, FindRunsForwardFromTheSelection)
{
    window.editor()->setPlainText(QStringLiteral("Alpha beta alphabet ALPHA"));
    window.editor()->moveCursor(QTextCursor::Start);
    auto selected = [&] {
        const QTextCursor c = window.editor()->textCursor();
        return std::pair{c.selectionStart(), c.selectedText()};
    };

    EXPECT_TRUE(window.findNext(QStringLiteral("alpha"), false, false));
    EXPECT_EQ(selected(), (std::pair{0, QStringLiteral("Alpha")}));
    EXPECT_TRUE(window.findNext(QStringLiteral("alpha"), false, false));
    EXPECT_EQ(selected().first, 11);
    EXPECT_TRUE(window.findNext(QStringLiteral("alpha"), false, true)) << "whole words skip 'alphabet'";
    EXPECT_EQ(selected(), (std::pair{20, QStringLiteral("ALPHA")}));
    EXPECT_TRUE(messages().shown().empty());

    // Only before the caret: not found, and the selection stays.
    EXPECT_FALSE(window.findNext(QStringLiteral("beta"), false, false));
    ASSERT_EQ(messages().shown().size(), 1u);
    EXPECT_EQ(messages().shown()[0].kind, Kind::Information);
    EXPECT_EQ(messages().shown()[0].title, QStringLiteral("信息"));
    EXPECT_EQ(messages().shown()[0].text, QStringLiteral("查找的文本不存在."));
    EXPECT_EQ(selected().first, 20);

    window.editor()->moveCursor(QTextCursor::Start);
    EXPECT_TRUE(window.findNext(QStringLiteral("ALPHA"), true, false));
    EXPECT_EQ(selected().first, 20);
    window.editor()->moveCursor(QTextCursor::Start);
    EXPECT_FALSE(window.findNext(QStringLiteral("BETA"), true, false));
}

TEST_F(ReportWindow, FindCommandCollapsesTheSelectionAndSearchesFromTheDialog)
{
    window.editor()->setPlainText(QStringLiteral("钢管 扣件 钢管"));
    window.editor()->moveCursor(QTextCursor::Start);
    window.editor()->moveCursor(QTextCursor::NextWord, QTextCursor::KeepAnchor);
    window.Act_find->trigger();
    EXPECT_FALSE(window.editor()->textCursor().hasSelection());
    auto* dialog = window.findChild<ReportFindDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    dialog->setText(QStringLiteral("钢管"));
    QPushButton* next = nullptr;
    for (auto* b : dialog->findChildren<QPushButton*>()) {
        if (b->text().startsWith(QStringLiteral("查找下一个"))) {
            next = b;
        }
    }
    ASSERT_NE(next, nullptr);
    // The collapsed selection leaves the caret after the first word: the search starts there.
    next->click();
    EXPECT_EQ(window.editor()->textCursor().selectionStart(), 6);
    next->click();
    EXPECT_EQ(messages().texts(), QStringList{"查找的文本不存在."});
}

TEST_F(ReportWindow, PrintingUsesADigitsOnlyTemporaryFileAndAlwaysEnablesPrintAgain)
{
    Clock::setFixedToday(QDate(2024, 3, 5));
    const QString temp = home.file("temp20240305.rtf");
    EXPECT_EQ(Tfm_outputfile::printTempPath(), temp);

    window.Act_print->trigger();
    EXPECT_EQ(window.printed, 1);
    EXPECT_EQ(window.printedDocName, temp);
    EXPECT_EQ(window.tempFileWhilePrinting, writeRtf(*window.editor()->document()));
    EXPECT_NEAR(window.printMargins.left(), 0.25, 1e-6);
    EXPECT_NEAR(window.printMargins.top(), 0.75, 1e-6);
    EXPECT_NEAR(window.printMargins.right(), 0.0, 1e-6);
    EXPECT_NEAR(window.printMargins.bottom(), 0.75, 1e-6);
    EXPECT_FALSE(QFileInfo::exists(temp));
    EXPECT_TRUE(window.Act_print->isEnabled());

    window.printConfirmed = false;
    window.Act_print->trigger();
    EXPECT_EQ(window.printed, 1);
    EXPECT_FALSE(QFileInfo::exists(temp));
    EXPECT_TRUE(window.Act_print->isEnabled());
    Clock::setFixedToday(QDate());
}

TEST_F(ReportWindow, ExportsPdfAndOdtWithoutCountingAsSaved)
{
    window.savePaths = {home.file("book"), home.file("book.odt")};
    window.Act_exportPdf->trigger();
    EXPECT_EQ(window.saveSuffix, QStringLiteral("pdf"));
    window.Act_exportOdt->trigger();
    EXPECT_TRUE(readFile(home.file("book.pdf")).startsWith("%PDF"));
    EXPECT_TRUE(readFile(home.file("book.odt")).startsWith("PK"));
    EXPECT_EQ(messages().texts(), (QStringList{"文件保存成功!", "文件保存成功!"}));
    EXPECT_TRUE(window.saveEnabled());
}

TEST_F(ReportWindow, FormatCommandsApplyToTheSelectionAndTheBarsFollowIt)
{
    window.editor()->setPlainText(QStringLiteral("立杆 稳定性"));
    window.editor()->moveCursor(QTextCursor::Start);
    window.editor()->moveCursor(QTextCursor::NextWord, QTextCursor::KeepAnchor);
    EXPECT_TRUE(window.Act_copy->isEnabled());
    EXPECT_TRUE(window.Act_cut->isEnabled());

    window.Act_bold->setChecked(true);
    window.Act_bold->triggered(true);
    window.Act_Protected->setChecked(true);
    window.Act_Protected->triggered(true);
    auto* size = window.findChild<QComboBox*>(QStringLiteral("cb_fontsize"));
    size->setCurrentText(QStringLiteral("14"));
    size->textActivated(QStringLiteral("14"));
    window.Act_alignCenter->trigger();

    QTextCursor probe(window.editor()->document());
    probe.setPosition(1);
    EXPECT_EQ(probe.charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(probe.charFormat().boolProperty(kProtectedTextProperty));
    EXPECT_DOUBLE_EQ(probe.charFormat().fontPointSize(), 14.0);
    EXPECT_EQ(probe.block().blockFormat().alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    probe.setPosition(5);
    EXPECT_NE(probe.charFormat().fontWeight(), QFont::Bold);

    // Moving the caret into plain text: the bars show its attributes.
    window.editor()->moveCursor(QTextCursor::End);
    EXPECT_FALSE(window.Act_copy->isEnabled());
    EXPECT_FALSE(window.Act_bold->isChecked());
    EXPECT_FALSE(window.Act_Protected->isChecked());
    EXPECT_NE(size->currentText(), QStringLiteral("14"));
    window.editor()->moveCursor(QTextCursor::Start);
    window.editor()->moveCursor(QTextCursor::Right);
    EXPECT_TRUE(window.Act_bold->isChecked());
    EXPECT_EQ(size->currentText(), QStringLiteral("14"));
}

TEST_F(ReportWindow, ProtectedTextRefusesTypingAndDeleting)
{
    window.editor()->setPlainText(QStringLiteral("受保护 正文"));
    QTextCursor c(window.editor()->document());
    c.setPosition(0);
    c.setPosition(3, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setProperty(kProtectedTextProperty, true);
    c.mergeCharFormat(f);
    window.editor()->setFocus();

    c.setPosition(1);
    window.editor()->setTextCursor(c);
    QTest::keyClick(window.editor(), Qt::Key_X);
    QTest::keyClick(window.editor(), Qt::Key_Delete);
    QTest::keyClick(window.editor(), Qt::Key_Backspace);
    EXPECT_EQ(window.editor()->toPlainText(), QStringLiteral("受保护 正文"));

    window.editor()->moveCursor(QTextCursor::End);
    QTest::keyClick(window.editor(), Qt::Key_X);
    QTest::keyClick(window.editor(), Qt::Key_Backspace);
    QTest::keyClick(window.editor(), Qt::Key_Backspace);
    EXPECT_EQ(window.editor()->toPlainText(), QStringLiteral("受保护 正"));
}

TEST_F(ReportWindow, CutAndPasteGoThroughTheEditorsUndo)
{
    window.editor()->setPlainText(QStringLiteral("扣件 抗滑"));
    window.editor()->document()->clearUndoRedoStacks();
    window.editor()->moveCursor(QTextCursor::Start);
    window.editor()->moveCursor(QTextCursor::NextWord, QTextCursor::KeepAnchor);
    window.Act_cut->trigger();
    EXPECT_TRUE(window.Act_paste->isEnabled());
    EXPECT_TRUE(window.Act_undo->isEnabled());
    EXPECT_FALSE(window.Act_redo->isEnabled());
    window.editor()->moveCursor(QTextCursor::End);
    window.Act_paste->trigger();
    EXPECT_EQ(window.editor()->toPlainText(), QStringLiteral("抗滑扣件 "));
    window.Act_undo->trigger();
    EXPECT_TRUE(window.Act_redo->isEnabled());
    window.Act_undo->trigger();
    EXPECT_EQ(window.editor()->toPlainText(), QStringLiteral("扣件 抗滑"));
}

} // namespace

// With YUNSHAN_SCREENSHOT_DIR set: the report window showing the default floor-standing scaffold's book.
TEST(Screenshots, ReportWindow)
{
    const QString dir = qEnvironmentVariable("YUNSHAN_SCREENSHOT_DIR");
    if (dir.isEmpty()) {
        GTEST_SKIP() << "YUNSHAN_SCREENSHOT_DIR is not set";
    }
    installReportFonts();
    TempHome home;
    TGroundScaffold obj;
    obj.Caption = QStringLiteral("落地式扣件钢管脚手架");
    Tfm_outputfile window(true);
    writeReportOf(obj, window.report());
    window.resize(1280, 860);
    bool saved = false;
    // Through the window's own showing, so the picture has what a user sees first.
    QTimer::singleShot(0, &window, [&] {
        window.showNormal();
        window.resize(1280, 860);
        QApplication::processEvents();
        QDir().mkpath(dir);
        saved = window.grab().save(QDir(dir).filePath(QStringLiteral("report-window.png")));
        window.close();
    });
    window.showModal();
    EXPECT_TRUE(saved);
    window.setSaveEnabled(false);
}
