#include "Tfm_outputfile.h"

#include "ReportFindDialog.h"
#include "core/AppPaths.h"
#include "core/Clock.h"
#include "core/Messages.h"
#include "report/ReportDocument.h"
#include "report/ReportExport.h"
#include "report/RtfReader.h"
#include "report/RtfWriter.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString kInfoTitle = QStringLiteral("提示信息");
const QString kBookFilter = QStringLiteral("Microsoft Word 文档(*.Doc);;Rtf 文件 (*.Rtf)");
const QString kDefaultSuffix = QStringLiteral("Doc");
const QStringList kFontSizes = {
    QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"),
    QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
    QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("26"),
    QStringLiteral("28"), QStringLiteral("36"), QStringLiteral("48"), QStringLiteral("72"),
};

QAction* makeAction(QObject* owner, const char* name, const QString& caption, const QKeySequence& key = {})
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) {
        action->setShortcut(key);
    }
    return action;
}

QIcon swatch(const QColor& color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setFont(QFont(QStringLiteral("Times New Roman"), 9, QFont::Bold));
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, 16, 12), Qt::AlignCenter, QStringLiteral("A"));
    painter.fillRect(QRect(1, 12, 14, 4), color);
    return QIcon(pixmap);
}

} // namespace

Tfm_outputfile::Tfm_outputfile(bool standalone, QWidget* parent)
    : QMainWindow(parent)
    , m_report(std::make_unique<ReportDocument>())
{
    setObjectName(QStringLiteral("fm_outputfile"));
    setWindowTitle(standalone ? QStringLiteral("云杉脚手架智能计算软件") : QStringLiteral("云杉施工安全设施计算软件"));
    setMinimumSize(800, 570);

    RxRichEdit1 = new QTextEdit(this);
    RxRichEdit1->setObjectName(QStringLiteral("RxRichEdit1"));
    RxRichEdit1->setDocument(&m_report->document());
    RxRichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    RxRichEdit1->installEventFilter(this);
    setCentralWidget(RxRichEdit1);

    buildActions();
    buildMenus();
    buildBars();
    connectEditor();

    // The clipboard is the user's: it is left as it is, and Paste follows what it holds.
    Act_copy->setEnabled(false);
    Act_cut->setEnabled(false);
    Act_undo->setEnabled(false);
    Act_redo->setEnabled(false);
    Act_paste->setEnabled(RxRichEdit1->canPaste());
    Act_save->setEnabled(true);
    Act_help->setEnabled(false);

    m_updatingBars = true;
    m_fontName->setEditText(QStringLiteral("宋体"));
    m_fontSize->setCurrentText(QStringLiteral("9"));
    m_updatingBars = false;
}

Tfm_outputfile::~Tfm_outputfile()
{
    // The editor shows a document this window owns: it goes first.
    delete RxRichEdit1;
    RxRichEdit1 = nullptr;
}

ReportDocument& Tfm_outputfile::report()
{
    return *m_report;
}

void Tfm_outputfile::setSaveEnabled(bool enabled)
{
    Act_save->setEnabled(enabled);
}

bool Tfm_outputfile::saveEnabled() const
{
    return Act_save->isEnabled();
}

void Tfm_outputfile::buildActions()
{
    Act_open = makeAction(this, "Act_open", QStringLiteral("打开..."), QKeySequence(QStringLiteral("Ctrl+O")));
    Act_save = makeAction(this, "Act_save", QStringLiteral("保存"), QKeySequence(QStringLiteral("Ctrl+S")));
    Act_exportPdf = makeAction(this, "Act_exportPdf", QStringLiteral("导出为 PDF..."));
    Act_exportOdt = makeAction(this, "Act_exportOdt", QStringLiteral("导出为 ODT..."));
    Act_setprint = makeAction(this, "Act_setprint", QStringLiteral("打印设置"));
    Act_print = makeAction(this, "Act_print", QStringLiteral("打印"));
    Act_close = makeAction(this, "Act_close", QStringLiteral("退出"), QKeySequence(QStringLiteral("Ctrl+Q")));
    Act_undo = makeAction(this, "Act_undo", QStringLiteral("撤消"), QKeySequence(QStringLiteral("Ctrl+U")));
    Act_redo = makeAction(this, "Act_redo", QStringLiteral("返回"));
    Act_redo->setIconText(QStringLiteral("恢复"));
    Act_cut = makeAction(this, "Act_cut", QStringLiteral("剪切"), QKeySequence(QStringLiteral("Ctrl+X")));
    Act_copy = makeAction(this, "Act_copy", QStringLiteral("复制"), QKeySequence(QStringLiteral("Ctrl+C")));
    Act_paste = makeAction(this, "Act_paste", QStringLiteral("粘贴"), QKeySequence(QStringLiteral("Ctrl+V")));
    Act_clear = makeAction(this, "Act_clear", QStringLiteral("清除"), QKeySequence(QStringLiteral("Del")));
    Act_selectall = makeAction(this, "Act_selectall", QStringLiteral("选择"));
    Act_find = makeAction(this, "Act_find", QStringLiteral("查找"), QKeySequence(QStringLiteral("Ctrl+F")));
    Act_font = makeAction(this, "Act_font", QStringLiteral("字体"));
    Act_FontColor = makeAction(this, "Act_FontColor", QStringLiteral("字体颜色"));
    Act_bold = makeAction(this, "Act_bold", QStringLiteral("粗体"));
    Act_Italic = makeAction(this, "Act_Italic", QStringLiteral("斜体"));
    Act_underline = makeAction(this, "Act_underline", QStringLiteral("下划线"));
    Act_AlignLeft = makeAction(this, "Act_AlignLeft", QStringLiteral("左边对齐"));
    Act_alignCenter = makeAction(this, "Act_alignCenter", QStringLiteral("居中"));
    Act_AlignRight = makeAction(this, "Act_AlignRight", QStringLiteral("右边对齐"));
    Act_Protected = makeAction(this, "Act_Protected", QStringLiteral("保护"));
    Act_help = makeAction(this, "Act_help", QStringLiteral("帮助"));

    QStyle* s = style();
    Act_open->setIcon(QIcon::fromTheme(QStringLiteral("document-open"), s->standardIcon(QStyle::SP_DialogOpenButton)));
    Act_save->setIcon(QIcon::fromTheme(QStringLiteral("document-save"), s->standardIcon(QStyle::SP_DialogSaveButton)));
    Act_print->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    Act_close->setIcon(
        QIcon::fromTheme(QStringLiteral("application-exit"), s->standardIcon(QStyle::SP_DialogCloseButton)));
    Act_cut->setIcon(QIcon::fromTheme(QStringLiteral("edit-cut")));
    Act_copy->setIcon(QIcon::fromTheme(QStringLiteral("edit-copy")));
    Act_paste->setIcon(QIcon::fromTheme(QStringLiteral("edit-paste")));
    Act_undo->setIcon(QIcon::fromTheme(QStringLiteral("edit-undo"), s->standardIcon(QStyle::SP_ArrowBack)));
    Act_redo->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo"), s->standardIcon(QStyle::SP_ArrowForward)));

    for (QAction* a :
         {Act_bold, Act_Italic, Act_underline, Act_AlignLeft, Act_alignCenter, Act_AlignRight, Act_Protected}) {
        a->setCheckable(true);
    }
    m_alignGroup = new QActionGroup(this);
    m_alignGroup->setExclusive(true);
    m_alignGroup->addAction(Act_AlignLeft);
    m_alignGroup->addAction(Act_alignCenter);
    m_alignGroup->addAction(Act_AlignRight);
    Act_AlignLeft->setChecked(true);

    connect(Act_open, &QAction::triggered, this, &Tfm_outputfile::openFile);
    connect(Act_save, &QAction::triggered, this, [this] { save(); });
    connect(Act_exportPdf, &QAction::triggered, this, [this] { exportAs(static_cast<int>(ExportFormat::Pdf)); });
    connect(Act_exportOdt, &QAction::triggered, this, [this] { exportAs(static_cast<int>(ExportFormat::Odt)); });
    connect(Act_setprint, &QAction::triggered, this, [this] {
        if (!m_printer) {
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        }
        setupPrinter(*m_printer);
    });
    connect(Act_print, &QAction::triggered, this, &Tfm_outputfile::print);
    connect(Act_close, &QAction::triggered, this, &QWidget::close);

    connect(Act_undo, &QAction::triggered, RxRichEdit1, &QTextEdit::undo);
    connect(Act_redo, &QAction::triggered, RxRichEdit1, &QTextEdit::redo);
    connect(Act_cut, &QAction::triggered, this, [this] {
        RxRichEdit1->cut();
        Act_paste->setEnabled(RxRichEdit1->canPaste());
    });
    connect(Act_copy, &QAction::triggered, this, [this] {
        RxRichEdit1->copy();
        Act_paste->setEnabled(RxRichEdit1->canPaste());
    });
    connect(Act_paste, &QAction::triggered, RxRichEdit1, &QTextEdit::paste);
    connect(Act_clear, &QAction::triggered, this, [this] { RxRichEdit1->textCursor().removeSelectedText(); });
    connect(Act_selectall, &QAction::triggered, this, [this] {
        RxRichEdit1->selectAll();
        updateFromSelection();
    });
    connect(Act_find, &QAction::triggered, this, &Tfm_outputfile::find);

    connect(Act_font, &QAction::triggered, this, &Tfm_outputfile::chooseFontForSelection);
    connect(Act_FontColor, &QAction::triggered, this, [this] {
        QTextCharFormat f;
        f.setForeground(m_color);
        mergeFormat(f);
    });
    connect(Act_bold, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        mergeFormat(f);
    });
    connect(Act_Italic, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontItalic(on);
        mergeFormat(f);
    });
    connect(Act_underline, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontUnderline(on);
        mergeFormat(f);
    });
    connect(Act_AlignLeft, &QAction::triggered, this, [this] { RxRichEdit1->setAlignment(Qt::AlignLeft); });
    connect(Act_alignCenter, &QAction::triggered, this, [this] { RxRichEdit1->setAlignment(Qt::AlignHCenter); });
    connect(Act_AlignRight, &QAction::triggered, this, [this] { RxRichEdit1->setAlignment(Qt::AlignRight); });
    connect(Act_Protected, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setProperty(kProtectedTextProperty, on);
        mergeFormat(f);
    });
}

void Tfm_outputfile::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->setObjectName(QStringLiteral("mnu_file"));
    file->addAction(Act_open);
    file->addAction(Act_save);
    file->addSeparator();
    file->addAction(Act_exportPdf);
    file->addAction(Act_exportOdt);
    file->addSeparator();
    file->addAction(Act_setprint);
    file->addAction(Act_print);
    file->addSeparator();
    file->addAction(Act_close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("编辑(&E)"));
    edit->setObjectName(QStringLiteral("mnu_edit"));
    edit->addAction(Act_undo);
    edit->addAction(Act_redo);
    edit->addSeparator();
    edit->addAction(Act_cut);
    edit->addAction(Act_copy);
    edit->addAction(Act_paste);
    edit->addAction(Act_clear);
    edit->addSeparator();
    edit->addAction(Act_selectall);
    edit->addAction(Act_find);

    QMenu* format = menuBar()->addMenu(QStringLiteral("格式(&O)"));
    format->setObjectName(QStringLiteral("mnu_format"));
    format->addAction(Act_font);
    format->addAction(Act_FontColor);
    format->addSeparator();
    format->addAction(Act_bold);
    format->addAction(Act_Italic);
    format->addAction(Act_underline);
    format->addSeparator();
    format->addAction(Act_AlignLeft);
    format->addAction(Act_alignCenter);
    format->addAction(Act_AlignRight);
    format->addSeparator();
    format->addAction(Act_Protected);

    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    help->setObjectName(QStringLiteral("mnu_help"));
    help->addAction(Act_help);

    connect(RxRichEdit1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu menu(this);
        menu.addAction(Act_cut);
        menu.addAction(Act_copy);
        menu.addAction(Act_paste);
        menu.addSeparator();
        menu.addAction(Act_font);
        menu.exec(RxRichEdit1->viewport()->mapToGlobal(pos));
    });
}

void Tfm_outputfile::buildBars()
{
    QToolBar* tools = addToolBar(QStringLiteral("工具"));
    tools->setObjectName(QStringLiteral("bar_tools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (QAction* a : {Act_open, Act_save, Act_print}) {
        tools->addAction(a);
    }
    tools->addSeparator();
    for (QAction* a : {Act_cut, Act_copy, Act_paste}) {
        tools->addAction(a);
    }
    tools->addSeparator();
    tools->addAction(Act_undo);
    tools->addAction(Act_redo);

    QToolBar* exitBar = addToolBar(QStringLiteral("退出"));
    exitBar->setObjectName(QStringLiteral("bar_exit"));
    exitBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    exitBar->addAction(Act_close);

    addToolBarBreak();
    QToolBar* formatBar = addToolBar(QStringLiteral("格式"));
    formatBar->setObjectName(QStringLiteral("bar_format"));
    formatBar->setToolButtonStyle(Qt::ToolButtonTextOnly);

    m_fontName = new QFontComboBox(formatBar);
    m_fontName->setObjectName(QStringLiteral("cb_fontname"));
    m_fontName->setToolTip(QStringLiteral("字体"));
    m_fontName->setMinimumWidth(160);
    formatBar->addWidget(m_fontName);

    m_fontSize = new QComboBox(formatBar);
    m_fontSize->setObjectName(QStringLiteral("cb_fontsize"));
    m_fontSize->setToolTip(QStringLiteral("字号"));
    m_fontSize->setEditable(true);
    m_fontSize->addItems(kFontSizes);
    m_fontSize->setMinimumContentsLength(3);
    formatBar->addWidget(m_fontSize);

    formatBar->addSeparator();
    for (QAction* a : {Act_bold, Act_Italic, Act_underline}) {
        formatBar->addAction(a);
    }
    formatBar->addSeparator();
    for (QAction* a : {Act_AlignLeft, Act_alignCenter, Act_AlignRight}) {
        formatBar->addAction(a);
    }
    formatBar->addSeparator();

    m_colorButton = new QToolButton(formatBar);
    m_colorButton->setObjectName(QStringLiteral("bt_fontcolor"));
    m_colorButton->setToolTip(QStringLiteral("字体颜色"));
    m_colorButton->setIcon(swatch(m_color));
    formatBar->addWidget(m_colorButton);

    // Bold, italic and underline look like what they do.
    auto styleButton = [formatBar](QAction* a, auto setStyle) {
        if (auto* w = formatBar->widgetForAction(a)) {
            QFont f = w->font();
            setStyle(f);
            w->setFont(f);
        }
    };
    styleButton(Act_bold, [](QFont& f) { f.setBold(true); });
    styleButton(Act_Italic, [](QFont& f) { f.setItalic(true); });
    styleButton(Act_underline, [](QFont& f) { f.setUnderline(true); });

    connect(m_fontName, &QComboBox::textActivated, this, [this](const QString& name) {
        if (m_updatingBars || name.trimmed().isEmpty()) {
            return;
        }
        QTextCharFormat f;
        f.setFontFamilies({name.trimmed()});
        mergeFormat(f);
    });
    connect(m_fontSize, &QComboBox::textActivated, this, [this](const QString& text) {
        bool ok = false;
        const double size = text.trimmed().toDouble(&ok);
        if (m_updatingBars || !ok || size <= 0 || size > 1638) {
            return;
        }
        QTextCharFormat f;
        f.setFontPointSize(size);
        mergeFormat(f);
    });
    connect(m_colorButton, &QToolButton::clicked, this, [this] {
        QColor color = m_color;
        if (chooseColor(color)) {
            m_color = color;
            m_colorButton->setIcon(swatch(m_color));
            Act_FontColor->trigger();
        }
    });
}

void Tfm_outputfile::connectEditor()
{
    connect(RxRichEdit1, &QTextEdit::copyAvailable, this, [this](bool yes) {
        Act_copy->setEnabled(yes);
        Act_cut->setEnabled(yes);
    });
    connect(RxRichEdit1, &QTextEdit::undoAvailable, Act_undo, &QAction::setEnabled);
    connect(RxRichEdit1, &QTextEdit::redoAvailable, Act_redo, &QAction::setEnabled);
    connect(RxRichEdit1, &QTextEdit::currentCharFormatChanged, this, [this] { updateFromSelection(); });
    connect(RxRichEdit1, &QTextEdit::cursorPositionChanged, this, [this] { updateFromSelection(); });
    connect(RxRichEdit1->document(), &QTextDocument::contentsChanged, this, &Tfm_outputfile::textChanged);
    if (QClipboard* clipboard = QApplication::clipboard()) {
        connect(clipboard, &QClipboard::dataChanged, this,
                [this] { Act_paste->setEnabled(RxRichEdit1 && RxRichEdit1->canPaste()); });
    }
}

void Tfm_outputfile::textChanged()
{
    Act_save->setEnabled(true);
}

void Tfm_outputfile::updateFromSelection()
{
    if (!RxRichEdit1) {
        return;
    }
    const QTextCursor cursor = RxRichEdit1->textCursor();
    Act_copy->setEnabled(cursor.hasSelection());
    Act_cut->setEnabled(cursor.hasSelection());

    const QTextCharFormat f = RxRichEdit1->currentCharFormat();
    m_updatingBars = true;
    const QStringList families = f.fontFamilies().toStringList();
    m_fontName->setEditText(families.isEmpty() ? f.font().family() : families.first());
    const double size = f.fontPointSize() > 0 ? f.fontPointSize() : f.font().pointSizeF();
    m_fontSize->setEditText(size > 0 ? QString::number(size) : QString());
    if (f.hasProperty(QTextFormat::ForegroundBrush)) {
        m_color = f.foreground().color();
    } else {
        m_color = Qt::black;
    }
    m_colorButton->setIcon(swatch(m_color));
    Act_bold->setChecked(f.fontWeight() >= QFont::Bold);
    Act_Italic->setChecked(f.fontItalic());
    Act_underline->setChecked(f.fontUnderline());
    Act_Protected->setChecked(f.boolProperty(kProtectedTextProperty));
    const Qt::Alignment align = RxRichEdit1->alignment();
    if (align & Qt::AlignHCenter) {
        Act_alignCenter->setChecked(true);
    } else if (align & Qt::AlignRight) {
        Act_AlignRight->setChecked(true);
    } else {
        Act_AlignLeft->setChecked(true);
    }
    m_updatingBars = false;
}

void Tfm_outputfile::mergeFormat(const QTextCharFormat& format)
{
    RxRichEdit1->mergeCurrentCharFormat(format);
    updateFromSelection();
}

QString Tfm_outputfile::reportsDir()
{
    const QString dir = AppPaths::homeDir() + QStringLiteral("/我的计算书");
    QDir().mkpath(dir);
    return dir;
}

QString Tfm_outputfile::printTempPath()
{
    // Digits only: a date in the system's short form may hold "/" and would not be a file name.
    return AppPaths::homeDir() + QStringLiteral("/temp") + Clock::today().toString(QStringLiteral("yyyyMMdd"))
        + QStringLiteral(".rtf");
}

QString Tfm_outputfile::chooseOpenFile(const QString& dir, const QString& filter)
{
    QFileDialog dialog(this, QStringLiteral("打开"), dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(kDefaultSuffix);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Names ending in .doc or .RTF are books too.
    dialog.setFilter(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::AllDirs);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

QString Tfm_outputfile::chooseSaveFile(const QString& title, const QString& dir, const QString& filter,
                                       const QString& defaultSuffix)
{
    QFileDialog dialog(this, title, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    // The window asks its own overwrite question.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setFilter(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::AllDirs);
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, defaultSuffix](const QString& chosen) {
        dialog.setDefaultSuffix(chosen.contains(QStringLiteral("*.Rtf")) ? QStringLiteral("rtf") : defaultSuffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

bool Tfm_outputfile::confirmPrint(QPrinter& printer)
{
    QPrintDialog dialog(&printer, this);
    return dialog.exec() == QDialog::Accepted;
}

void Tfm_outputfile::setupPrinter(QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, this);
    dialog.exec();
}

bool Tfm_outputfile::chooseFont(QFont& font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, this, QStringLiteral("字体"));
    if (ok) {
        font = chosen;
    }
    return ok;
}

bool Tfm_outputfile::chooseColor(QColor& color)
{
    const QColor chosen = QColorDialog::getColor(color, this, QStringLiteral("字体颜色"));
    if (!chosen.isValid()) {
        return false;
    }
    color = chosen;
    return true;
}

void Tfm_outputfile::printDocument(QPrinter& printer)
{
    RxRichEdit1->print(&printer);
}

void Tfm_outputfile::openFile()
{
    const QString path = chooseOpenFile(reportsDir(), kBookFilter);
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        ShowWarning(QStringLiteral("打开的文件不存在!"));
        Act_save->setEnabled(true);
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    QString error;
    if (!readRtf(bytes, *RxRichEdit1->document(), &error)) {
        if (!error.isEmpty()) {
            ShowWarning(error);
        }
        Act_save->setEnabled(true);
        return;
    }
    RxRichEdit1->document()->clearUndoRedoStacks();
    RxRichEdit1->moveCursor(QTextCursor::Start);
    m_currentFile = path;
    Act_save->setEnabled(false);
    updateFromSelection();
}

bool Tfm_outputfile::writeRtfTo(const QString& path)
{
    QString error;
    if (!exportReport(*RxRichEdit1->document(), path, ExportFormat::Rtf, &error)) {
        ShowWarning(error.isEmpty() ? path : error);
        return false;
    }
    return true;
}

bool Tfm_outputfile::save()
{
    if (!m_currentFile.isEmpty()) {
        if (!writeRtfTo(m_currentFile)) {
            m_saved = false;
            return false;
        }
        Act_save->setEnabled(false);
        return true;
    }
    QString path = chooseSaveFile(QStringLiteral("保存为"), reportsDir(), kBookFilter, kDefaultSuffix);
    if (path.isEmpty()) {
        m_saved = false;
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QLatin1Char('.') + kDefaultSuffix;
    }
    if (QFileInfo::exists(path) && AskYesNo(QStringLiteral("此文件已经存在,是否要覆盖?")) != Messages::Answer::Yes) {
        // Nothing was written: a closing window stays open.
        m_saved = false;
        return false;
    }
    if (!writeRtfTo(path)) {
        m_saved = false;
        return false;
    }
    Messages::instance().showInformation(kInfoTitle, QStringLiteral("文件保存成功!"));
    Act_save->setEnabled(false);
    return true;
}

void Tfm_outputfile::exportAs(int formatCode)
{
    const auto format = static_cast<ExportFormat>(formatCode);
    const bool pdf = format == ExportFormat::Pdf;
    const QString filter = pdf ? QStringLiteral("PDF 文件 (*.pdf)") : QStringLiteral("ODT 文档 (*.odt)");
    const QString suffix = exportExtension(format);
    QString path = chooseSaveFile(pdf ? QStringLiteral("导出为 PDF") : QStringLiteral("导出为 ODT"), reportsDir(),
                                  filter, suffix);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QLatin1Char('.') + suffix;
    }
    if (QFileInfo::exists(path) && AskYesNo(QStringLiteral("此文件已经存在,是否要覆盖?")) != Messages::Answer::Yes) {
        return;
    }
    QString error;
    if (!exportReport(*RxRichEdit1->document(), path, format, &error)) {
        ShowWarning(error.isEmpty() ? path : error);
        return;
    }
    // An export is a copy for reading: the book itself still counts as unsaved.
    Messages::instance().showInformation(kInfoTitle, QStringLiteral("文件保存成功!"));
}

void Tfm_outputfile::print()
{
    Act_print->setEnabled(false);
    const QString tempPath = printTempPath();
    // Print comes back, and the temporary file goes, whatever happens in between.
    struct Restore
    {
        Tfm_outputfile* window;
        QString path;
        ~Restore()
        {
            if (QFile::exists(path)) {
                QFile::remove(path);
            }
            window->Act_print->setEnabled(true);
        }
    } restore{this, tempPath};

    if (!writeRtfTo(tempPath)) {
        return;
    }
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    if (!confirmPrint(*m_printer)) {
        return;
    }
    m_printer->setDocName(tempPath);
    // 360, 1080, 0 and 1080 twips.
    m_printer->setPageMargins(QMarginsF(0.25, 0.75, 0.0, 0.75), QPageLayout::Inch);
    printDocument(*m_printer);
}

void Tfm_outputfile::find()
{
    QTextCursor cursor = RxRichEdit1->textCursor();
    cursor.clearSelection();
    RxRichEdit1->setTextCursor(cursor);
    if (!m_findDialog) {
        m_findDialog = new ReportFindDialog(this);
        connect(m_findDialog, &ReportFindDialog::findNext, this,
                [this] { findNext(m_findDialog->text(), m_findDialog->matchCase(), m_findDialog->wholeWords()); });
    }
    m_findDialog->show();
    m_findDialog->raise();
    m_findDialog->activateWindow();
}

bool Tfm_outputfile::findNext(const QString& text, bool matchCase, bool wholeWords)
{
    QTextDocument::FindFlags flags;
    if (matchCase) {
        flags |= QTextDocument::FindCaseSensitively;
    }
    if (wholeWords) {
        flags |= QTextDocument::FindWholeWords;
    }
    QTextCursor from = RxRichEdit1->textCursor();
    from.setPosition(from.selectionEnd());
    const QTextCursor found = text.isEmpty() ? QTextCursor() : RxRichEdit1->document()->find(text, from, flags);
    if (found.isNull()) {
        Messages::instance().showInformation(QStringLiteral("信息"), QStringLiteral("查找的文本不存在."));
        return false;
    }
    RxRichEdit1->setFocus();
    RxRichEdit1->setTextCursor(found);
    RxRichEdit1->ensureCursorVisible();
    updateFromSelection();

    // Keep the dialog off the line of the match.
    if (m_findDialog && m_findDialog->isVisible()) {
        const QRect caretRect = RxRichEdit1->cursorRect();
        const QPoint caret = RxRichEdit1->viewport()->mapToGlobal(caretRect.topLeft());
        const QRect caretBox(caret, QSize(2, 20));
        const QRect dialogBox = m_findDialog->frameGeometry();
        if (dialogBox.intersects(caretBox)) {
            const QScreen* screen = RxRichEdit1->screen();
            const int screenHeight = screen ? screen->geometry().height() : 768;
            if (caret.y() < screenHeight / 2) {
                m_findDialog->move(dialogBox.left(), caret.y() + 40);
            } else {
                m_findDialog->move(dialogBox.left(), caret.y() - 20 - dialogBox.height());
            }
        }
    }
    return true;
}

void Tfm_outputfile::chooseFontForSelection()
{
    const QTextCharFormat current = RxRichEdit1->currentCharFormat();
    QFont font = current.font();
    if (!chooseFont(font)) {
        return;
    }
    QTextCharFormat f;
    f.setFont(font, QTextCharFormat::FontPropertiesSpecifiedOnly);
    f.setFontFamilies({font.family()});
    f.setFontPointSize(font.pointSizeF());
    f.setFontWeight(font.weight());
    f.setFontItalic(font.italic());
    f.setFontUnderline(font.underline());
    f.setFontStrikeOut(font.strikeOut());
    mergeFormat(f);
}

int Tfm_outputfile::showModal()
{
    RxRichEdit1->document()->clearUndoRedoStacks();
    RxRichEdit1->moveCursor(QTextCursor::Start);
    RxRichEdit1->ensureCursorVisible();
    updateFromSelection();
    setWindowModality(Qt::ApplicationModal);
    showMaximized();
    RxRichEdit1->setFocus();
    QEventLoop loop;
    m_loop = &loop;
    loop.exec(QEventLoop::DialogExec);
    m_loop = nullptr;
    return 0;
}

void Tfm_outputfile::closeEvent(QCloseEvent* event)
{
    m_saved = true;
    if (Act_save->isEnabled()) {
        switch (AskYesNoCancel(QStringLiteral("    即将退出，需要保存计算书吗？"))) {
        case Messages::Answer::Yes:
            if (!save() || !m_saved) {
                event->ignore();
                return;
            }
            break;
        case Messages::Answer::No:
            break;
        case Messages::Answer::Cancel:
            event->ignore();
            return;
        }
    }
    event->accept();
    if (m_findDialog) {
        m_findDialog->hide();
    }
    if (m_loop) {
        m_loop->quit();
    }
}

bool Tfm_outputfile::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == RxRichEdit1 && event->type() == QEvent::KeyPress) {
        // Protected text cannot be changed by typing, deleting or pasting over it.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool edits = !key->text().isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete
            || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Paste);
        if (edits && !key->matches(QKeySequence::Copy) && !key->matches(QKeySequence::SelectAll)) {
            QTextCursor c = RxRichEdit1->textCursor();
            int from = c.selectionStart();
            int to = c.selectionEnd();
            if (from == to) {
                if (key->key() == Qt::Key_Backspace) {
                    from = std::max(0, from - 1);
                } else if (key->key() == Qt::Key_Delete) {
                    to = from + 1;
                } else if (from > 0) {
                    // typing inside a protected run: both neighbours protected
                    QTextCursor after(RxRichEdit1->document());
                    after.setPosition(std::min(from + 1, RxRichEdit1->document()->characterCount() - 1));
                    QTextCursor before(RxRichEdit1->document());
                    before.setPosition(from);
                    if (before.charFormat().boolProperty(kProtectedTextProperty)
                        && after.charFormat().boolProperty(kProtectedTextProperty) && after.position() > from) {
                        return true;
                    }
                }
            }
            QTextCursor probe(RxRichEdit1->document());
            for (int pos = from; pos < to; ++pos) {
                probe.setPosition(pos + 1);
                if (probe.charFormat().boolProperty(kProtectedTextProperty)) {
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
