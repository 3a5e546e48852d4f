#include "Tfm_main.h"

#include "ShellDialogs.h"
#include "TAboutBox.h"
#include "Tfm_prj.h"
#include "TmyReScale.h"

#include "core/AppPaths.h"
#include "core/Messages.h"
#include "core/ProjectFile.h"
#include "core/TYsObj.h"
#include "core/TYsProject.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

const QString Tfm_main::kProjectFilter = QStringLiteral("脚手架计算工程文件(*.yss)");

namespace {

// The maker's download page; only handed to the default browser.
const QString kDownloadPage = QStringLiteral("https://yunshan.example/download");

struct ReferenceCommand
{
    const char* name;
    const char* caption;
    const char* table; // the table the tables editor opens on
};

// In four groups of five, five, five and four.
const ReferenceCommand kReferenceCommands[] = {
    {"para1_Action1", "每米立杆承受的结构自重标准值gk", "ValueOfgk"},
    {"Para1_Action2", "常用构配件与材料、人员的自重表", "deadWeightOfTheFittings"},
    {"Para1_Action3", "钢管界面特性", "TraitOfPole"},
    {"Para1_Action4", "钢轴心受压构件的稳定系数φ", "valueOfFyAboutFittings"},
    {"Para1_Action5", "钢管脚手架的挡风系数φ", "ValueOfFyAboutWind"},
    {"Para2_Action1", "脚手板自重标准值", "DeadWeightOfScaffoldBoard"},
    {"Para2_Action2", "栏杆、挡脚板自重标准值", "DeadWeightOfHandrail"},
    {"Para2_Action3", "施工均布活荷载标准值", "ConstructingloadSTD"},
    {"Para2_Action4", "地基力下降系数", "grounddownrate"},
    {"Para2_Action5", "钢材的强度设计值与弹性模量（N/mm2）", "IntensionAndFlexibilityOfSteel"},
    {"Para3_Action1", "扣件、底座的承载力设计值", "SupportForceOfFastenerAndBase"},
    {"Para3_Action2", "受压、受拉构件的容许长细比[λ]", "ratioOfLonAndThinOfFittings"},
    {"Para3_Action3", "脚手架立杆的计算长度系数μ", "CoefficientOfLengthComputedOfPole"},
    {"Para3_Action4", "基本风压表Wo", "Wo"},
    {"Para3_Action5", "风压高度变化系数μz", "Uz"},
    {"Para4_Action1", "计算长度附加系数 k1", "k1"},
    {"Para4_Action2", "计算长度附加系数 k2", "k2"},
    {"Para4_Action3", "普通钢筋强度设计值", "ValueOffy"},
    {"Para4_Action4", "混凝土强度设计值", "ValueOffcm"},
};

QMdiSubWindow* subWindowOf(Tfm_prj* window)
{
    return window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
}

} // namespace

Tfm_main::RunMode Tfm_main::runModeFrom(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return RunMode::Suite;
    }
    const QString first = QString::fromLocal8Bit(file.readLine()).trimmed();
    return first.compare(QStringLiteral("standalone"), Qt::CaseInsensitive) == 0 ? RunMode::Standalone : RunMode::Suite;
}

QString Tfm_main::applicationTitle(RunMode mode)
{
    return mode == RunMode::Standalone ? QStringLiteral("云杉脚手架智能计算软件")
                                       : QStringLiteral("云杉施工安全计算软件－脚手架计算");
}

QString Tfm_main::mainCaption(RunMode mode)
{
    return mode == RunMode::Standalone ? QStringLiteral("云杉脚手架智能计算软件")
                                       : QStringLiteral("云杉施工安全设施计算软件－脚手架计算");
}

Tfm_main::Tfm_main(RunMode mode, QWidget* parent)
    : QMainWindow(parent)
    , m_mode(mode)
{
    setObjectName(QStringLiteral("fm_main"));
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &Tfm_main::subWindowActivated);

    RzStatusPane1 = new QLabel(this);
    RzStatusPane1->setObjectName(QStringLiteral("RzStatusPane1"));
    RzStatusPane1->setMinimumWidth(360);
    RzProgressBar1 = new QProgressBar(this);
    RzProgressBar1->setObjectName(QStringLiteral("RzProgressBar1"));
    RzProgressBar1->setRange(0, 100);
    RzProgressBar1->setValue(0);
    RzProgressBar1->setTextVisible(false);
    RzProgressBar1->setMaximumWidth(200);
    statusBar()->addWidget(RzStatusPane1, 1);
    statusBar()->addPermanentWidget(RzProgressBar1);

    buildCommands();
    buildMenusAndBars();
    setAdminCommandsVisible(false);
    applyRunMode();
    SetNodeCommands(3);
    SetProjectCommands(1);
    SetSaveCommands(false);
    setAcceptDrops(true);
    move(0, 0);
    resize(1024, 720);
    TmyReScale::loadLayout(this);
}

Tfm_main::~Tfm_main() = default;

QAction* Tfm_main::addCommand(const QString& name, const QString& category, const QString& caption,
                              const QKeySequence& shortcut, void (Tfm_main::*slot)())
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    a->setProperty("category", category);
    a->setShortcut(shortcut);
    a->setShortcutContext(Qt::ApplicationShortcut);
    connect(a, &QAction::triggered, this, slot);
    addAction(a);
    return a;
}

void Tfm_main::buildCommands()
{
    const QString project = QStringLiteral("工程");
    const QString edit = QStringLiteral("编辑");
    const QString window = QStringLiteral("窗口");
    const QString help = QStringLiteral("帮助");
    QStyle* s = style();

    auto* a = addCommand(QStringLiteral("Act_NewPrj"), project, QStringLiteral("新建工程"), QKeySequence("Ctrl+N"),
                         &Tfm_main::Act_NewPrjExecute);
    a->setIconText(QStringLiteral("新建"));
    a->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    a = addCommand(QStringLiteral("Act_OpenPrj"), project, QStringLiteral("打开工程"), QKeySequence("Ctrl+O"),
                   &Tfm_main::Act_OpenPrjExecute);
    a->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    a = addCommand(QStringLiteral("Act_SavePrj"), project, QStringLiteral("保存工程"), QKeySequence("Ctrl+S"),
                   &Tfm_main::Act_SavePrjExecute);
    a->setIconText(QStringLiteral("保存"));
    a->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    addCommand(QStringLiteral("Act_Close"), project, QStringLiteral("关闭工程"), QKeySequence("F7"),
               &Tfm_main::Act_CloseExecute);
    addCommand(QStringLiteral("Act_SaveAs"), project, QStringLiteral("工程另存为"), QKeySequence("F6"),
               &Tfm_main::Act_SaveAsExecute);
    a = addCommand(QStringLiteral("Act_SaveAll"), project, QStringLiteral("保存所有工程"), QKeySequence("F5"),
                   &Tfm_main::Act_SaveAllExecute);
    a->setIcon(s->standardIcon(QStyle::SP_DriveFDIcon));
    addCommand(QStringLiteral("Act_CloseAll"), project, QStringLiteral("关闭所有工程"), QKeySequence("F8"),
               &Tfm_main::Act_CloseAllExecute);
    a = addCommand(QStringLiteral("Act_SetPrjAttr"), project, QStringLiteral("工程属性"), QKeySequence("Ctrl+P"),
                   &Tfm_main::Act_SetPrjAttrExecute);
    a->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
    addCommand(QStringLiteral("Act_ManagerLogin"), project, QStringLiteral("管理员登陆"),
               QKeySequence("Shift+Ctrl+F12"), &Tfm_main::Act_ManagerLoginExecute);
    addCommand(QStringLiteral("Act_ManagerLogOut"), project, QStringLiteral("注销"), QKeySequence(),
               &Tfm_main::Act_ManagerLogOutExecute);
    a = addCommand(QStringLiteral("Act_Exit"), project, QStringLiteral("退出"), QKeySequence(),
                   &Tfm_main::Act_ExitExecute);
    a->setIcon(s->standardIcon(QStyle::SP_DialogCloseButton));

    a = addCommand(QStringLiteral("Act_AddFileFolder"), edit, QStringLiteral("添加文件夹"), QKeySequence("F3"),
                   &Tfm_main::Act_AddFileFolderExecute);
    a->setIcon(s->standardIcon(QStyle::SP_FileDialogNewFolder));
    a = addCommand(QStringLiteral("Act_AddYsObj"), edit, QStringLiteral("添加脚手架"), QKeySequence("F4"),
                   &Tfm_main::Act_AddYsObjExecute);
    a->setIcon(s->standardIcon(QStyle::SP_FileDialogContentsView));
    a = addCommand(QStringLiteral("Act_delete"), edit, QStringLiteral("删除"), QKeySequence("Ctrl+Del"),
                   &Tfm_main::Act_deleteExecute);
    a->setIcon(s->standardIcon(QStyle::SP_TrashIcon));
    addCommand(QStringLiteral("Act_Rename"), edit, QStringLiteral("重命名节点"), QKeySequence("F2"),
               &Tfm_main::Act_RenameExecute);

    addCommand(QStringLiteral("WindowCascade1"), window, QStringLiteral("层叠窗口"), QKeySequence(),
               &Tfm_main::WindowCascade1Execute);
    addCommand(QStringLiteral("WindowTileHorizontal1"), window, QStringLiteral("水平排列窗口"), QKeySequence(),
               &Tfm_main::WindowTileHorizontal1Execute);
    addCommand(QStringLiteral("WindowTileVertical1"), window, QStringLiteral("垂直排列窗口"), QKeySequence(),
               &Tfm_main::WindowTileVertical1Execute);

    addCommand(QStringLiteral("Acti_helpTheme"), help, QStringLiteral("帮助主题"), QKeySequence(),
               &Tfm_main::Acti_helpThemeExecute);
    addCommand(QStringLiteral("act_scaffold1"), help, QStringLiteral("脚手架构造要求一"), QKeySequence(),
               &Tfm_main::act_scaffold1Execute);
    addCommand(QStringLiteral("act_scaffold2"), help, QStringLiteral("脚手架构造要求二"), QKeySequence(),
               &Tfm_main::act_scaffold2Execute);
    addCommand(QStringLiteral("Act_Upgrage"), help, QStringLiteral("在线升级"), QKeySequence(),
               &Tfm_main::Act_UpgrageExecute);
    a = addCommand(QStringLiteral("Act_HomePage"), help, QStringLiteral("公司主页"), QKeySequence(),
                   &Tfm_main::Act_HomePageExecute);
    a->setIcon(s->standardIcon(QStyle::SP_DirHomeIcon));
    a = addCommand(QStringLiteral("Act_About"), help, QStringLiteral("关于"), QKeySequence(),
                   &Tfm_main::Act_AboutExecute);
    a->setIcon(s->standardIcon(QStyle::SP_MessageBoxInformation));

    for (const ReferenceCommand& c : kReferenceCommands) {
        a = addCommand(QString::fromUtf8(c.name), QStringLiteral("系统参数配置"), QString::fromUtf8(c.caption),
                       QKeySequence(), &Tfm_main::referenceTableExecute);
        a->setProperty("table", QString::fromUtf8(c.table));
        m_referenceCommands.append(a);
    }

    // A hidden command's shortcut does not fire in Qt, so the login keeps its own while it is hidden.
    m_loginShortcut = new QShortcut(QKeySequence("Shift+Ctrl+F12"), this);
    m_loginShortcut->setContext(Qt::ApplicationShortcut);
    connect(m_loginShortcut, &QShortcut::activated, this, &Tfm_main::Act_ManagerLoginExecute);
}

QAction* Tfm_main::command(const QString& name) const
{
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void Tfm_main::buildMenusAndBars()
{
    auto c = [this](const char* name) { return command(QString::fromLatin1(name)); };

    QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->setObjectName(QStringLiteral("mnu_file"));
    file->addActions({c("Act_NewPrj"), c("Act_OpenPrj"), c("Act_SavePrj")});
    file->addSeparator();
    file->addActions({c("Act_SaveAs"), c("Act_SaveAll"), c("Act_Close"), c("Act_CloseAll")});
    file->addSeparator();
    file->addActions({c("Act_SetPrjAttr"), c("Act_ManagerLogin"), c("Act_ManagerLogOut")});
    file->addSeparator();
    file->addAction(c("Act_Exit"));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("编辑(&E)"));
    edit->setObjectName(QStringLiteral("mnu_edit"));
    edit->addActions({c("Act_AddFileFolder"), c("Act_AddYsObj"), c("Act_delete")});
    edit->addSeparator();
    edit->addAction(c("Act_Rename"));

    m_paramMenu = menuBar()->addMenu(QStringLiteral("系统参数设置"));
    m_paramMenu->setObjectName(QStringLiteral("mnu_params"));
    for (int i = 0; i < m_referenceCommands.size(); ++i) {
        if (i == 5 || i == 10 || i == 15) {
            m_paramMenu->addSeparator();
        }
        m_paramMenu->addAction(m_referenceCommands[i]);
    }

    QMenu* window = menuBar()->addMenu(QStringLiteral("窗口(&W)"));
    window->setObjectName(QStringLiteral("mnu_window"));
    window->addActions({c("WindowCascade1"), c("WindowTileVertical1"), c("WindowTileHorizontal1")});

    m_helpMenu = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    m_helpMenu->setObjectName(QStringLiteral("mnu_help"));
    m_helpMenu->addActions(
        {c("Acti_helpTheme"), c("act_scaffold1"), c("act_scaffold2"), c("Act_Upgrage"), c("Act_HomePage")});
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(c("Act_About"));

    m_standardBar = addToolBar(QStringLiteral("标准"));
    m_standardBar->setObjectName(QStringLiteral("tb_standard"));
    m_standardBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_standardBar->addActions({c("Act_NewPrj"), c("Act_OpenPrj"), c("Act_SetPrjAttr"), c("Act_SavePrj"),
                               c("Act_SaveAll"), c("Act_AddFileFolder"), c("Act_AddYsObj"), c("Act_delete"),
                               c("Act_Exit")});
    m_companyBar = addToolBar(QStringLiteral("公司信息"));
    m_companyBar->setObjectName(QStringLiteral("tb_company"));
    m_companyBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_companyBar->addActions({c("Act_HomePage"), c("Act_About")});
}

void Tfm_main::applyRunMode()
{
    const bool alone = standalone();
    setWindowTitle(mainCaption(m_mode));
    command(QStringLiteral("Act_Exit"))->setText(alone ? QStringLiteral("退出") : QStringLiteral("关闭"));
    m_helpMenu->menuAction()->setVisible(alone);
    m_companyBar->setVisible(alone);
    m_companyBar->toggleViewAction()->setVisible(alone);
}

void Tfm_main::setAdminCommandsVisible(bool visible)
{
    command(QStringLiteral("Act_ManagerLogin"))->setVisible(visible);
    command(QStringLiteral("Act_ManagerLogOut"))->setVisible(visible);
    m_paramMenu->menuAction()->setVisible(visible);
    m_loginShortcut->setEnabled(!visible);
}

void Tfm_main::SetNodeCommands(int state)
{
    command(QStringLiteral("Act_AddFileFolder"))->setEnabled(state == 0 || state == 1);
    command(QStringLiteral("Act_AddYsObj"))->setEnabled(state == 0 || state == 1);
    command(QStringLiteral("Act_delete"))->setEnabled(state == 1 || state == 2);
    command(QStringLiteral("Act_Rename"))->setEnabled(state >= 0 && state <= 2);
}

void Tfm_main::SetProjectCommands(int state)
{
    for (const char* name : {"Act_SetPrjAttr", "Act_Close", "Act_CloseAll", "Act_SaveAs"}) {
        command(QString::fromLatin1(name))->setEnabled(state == 0);
    }
}

void Tfm_main::SetSaveCommands(bool modified)
{
    const QList<Tfm_prj*> windows = projectWindows();
    bool any = modified;
    for (Tfm_prj* w : windows) {
        any = any || w->project().Modified || (w->CurObj() && w->CurObj()->Modified);
    }
    const bool on = !windows.isEmpty() && any;
    command(QStringLiteral("Act_SavePrj"))->setEnabled(on);
    command(QStringLiteral("Act_SaveAll"))->setEnabled(on);
}

void Tfm_main::setStatusText(const QString& text)
{
    RzStatusPane1->setText(text);
}

QList<Tfm_prj*> Tfm_main::projectWindows() const
{
    QList<Tfm_prj*> result;
    for (QMdiSubWindow* sw : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        auto* w = qobject_cast<Tfm_prj*>(sw->widget());
        if (w && !w->released()) {
            result.append(w);
        }
    }
    return result;
}

Tfm_prj* Tfm_main::activeProjectWindow() const
{
    QMdiSubWindow* sw = m_mdi->currentSubWindow();
    auto* w = sw ? qobject_cast<Tfm_prj*>(sw->widget()) : nullptr;
    return w && !w->released() ? w : nullptr;
}

void Tfm_main::restoreCaption()
{
    setWindowTitle(mainCaption(m_mode));
}

Tfm_prj* Tfm_main::addProjectWindow(Tfm_prj* window)
{
    QMdiSubWindow* sw = m_mdi->addSubWindow(window);
    sw->setAttribute(Qt::WA_DeleteOnClose);
    sw->setWindowIcon(style()->standardIcon(QStyle::SP_DirIcon));
    sw->resize(720, 480);
    sw->show();
    m_mdi->setActiveSubWindow(sw);
    return window;
}

Tfm_prj* Tfm_main::newProject()
{
    const int open = static_cast<int>(projectWindows().size());
    if (open >= kMaxProjectWindows) {
        ShowWarning(QStringLiteral("创建的工程数目已经超出允许的范围，操作被取消！"));
        return nullptr;
    }
    auto* w = new Tfm_prj(this);
    w->setWindowTitle(QStringLiteral("jsj") + QString::number(open + 1));
    addProjectWindow(w);
    restoreCaption();
    if (!w->BuildTree()) {
        w->discard();
        return nullptr;
    }
    SetNodeCommands(0);
    SetProjectCommands(0);
    SetSaveCommands(true);
    return w;
}

Tfm_prj* Tfm_main::ReadProject(const QString& path)
{
    if (projectWindows().size() >= kMaxProjectWindows) {
        ShowWarning(QStringLiteral("创建的工程数目已经超出允许的范围，操作被取消！"));
        return nullptr;
    }
    ProjectFile::ReadResult r = ProjectFile::read(path);
    if (r.status != ProjectFile::Status::Ok) {
        return nullptr; // the reader has told the user, when there was anything to tell
    }
    auto* w = new Tfm_prj(this, std::move(r.project));
    w->setWindowTitle(path);
    addProjectWindow(w);
    if (!w->BuildTree()) {
        w->discard();
        return nullptr;
    }
    SetProjectCommands(0);
    w->activated();
    return w;
}

bool Tfm_main::OpenProjectFile()
{
    const QString dir = AppPaths::projectsDir();
    QDir().mkpath(dir);
    const QString path = shellDialogs().chooseOpenFile(this, dir, kProjectFilter);
    if (path.isEmpty()) {
        return false;
    }
    if (!QFileInfo::exists(path)) {
        ShowWarning(QStringLiteral("打开的文件不存在!"));
        return true;
    }
    ReadProject(path);
    return true;
}

void Tfm_main::feedback()
{
    RzProgressBar1->setValue(100);
    const QDeadlineTimer deadline(m_feedbackMs);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(deadline.remainingTime()));
    }
    RzProgressBar1->setValue(0);
}

bool Tfm_main::savePrj(Tfm_prj* window)
{
    if (!window) {
        return false;
    }
    if (window->project().FileName.isEmpty()) {
        return SaveProjectAs(window);
    }
    RzProgressBar1->setValue(0);
    const bool written = window->WriteProject();
    feedback();
    return written;
}

bool Tfm_main::SaveProjectAs(Tfm_prj* window)
{
    if (!window) {
        return false;
    }
    TYsProject& project = window->project();
    const QString dir = AppPaths::projectsDir();
    QDir().mkpath(dir);
    const QString chosen = shellDialogs().chooseSaveFile(this, dir, kProjectFilter);
    if (chosen.isEmpty()) {
        SetProjectCommands(0);
        command(QStringLiteral("Act_SavePrj"))->setEnabled(project.Modified);
        return false;
    }
    if (QFileInfo::exists(chosen) || QFileInfo::exists(chosen + QStringLiteral(".yss"))) {
        if (AskYesNo(QStringLiteral("文件已经存在,是否覆盖?")) != Messages::Answer::Yes) {
            return false; // nothing was written, so a closing window stays open
        }
    }
    const QString oldFile = project.FileName;
    const QString oldCaption = window->windowTitle();
    project.FileName = ProjectFile::EnsureExtension(chosen);
    if (!window->WriteProject()) {
        project.FileName = oldFile;
        window->setWindowTitle(oldCaption);
        return false;
    }
    return true; // from now on the project belongs to the new file
}

void Tfm_main::projectWindowClosing(Tfm_prj* window)
{
    Q_UNUSED(window);
    restoreCaption();
    setStatusText(QString());
    const QList<Tfm_prj*> rest = projectWindows();
    SetNodeCommands(3);
    if (rest.isEmpty()) {
        SetProjectCommands(1);
    } else {
        m_mdi->setActiveSubWindow(subWindowOf(rest.last()));
        rest.last()->activated();
    }
    SetSaveCommands(false);
}

void Tfm_main::subWindowActivated(QMdiSubWindow* window)
{
    auto* w = window ? qobject_cast<Tfm_prj*>(window->widget()) : nullptr;
    if (w && !w->released()) {
        w->activated();
    }
}

void Tfm_main::activated()
{
    restoreCaption();
    if (!m_firstActivation) {
        return;
    }
    m_firstActivation = false;
    if (!m_commandLineFile.isEmpty()) {
        ReadProject(m_commandLineFile);
    }
    emit firstActivationDone();
}

void Tfm_main::openDroppedFiles(const QStringList& paths)
{
    if (!paths.isEmpty() && QFileInfo::exists(paths.last())) {
        ReadProject(paths.last());
    }
}

bool Tfm_main::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        // Opening a file may ask for a password; not from inside the activation itself.
        QTimer::singleShot(0, this, &Tfm_main::activated);
    }
    return QMainWindow::event(event);
}

void Tfm_main::closeEvent(QCloseEvent* event)
{
    for (Tfm_prj* w : projectWindows()) {
        if (QMdiSubWindow* sw = subWindowOf(w)) {
            sw->close();
        }
    }
    if (projectWindows().isEmpty()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void Tfm_main::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void Tfm_main::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths.append(url.toLocalFile());
        }
    }
    event->acceptProposedAction();
    openDroppedFiles(paths);
}

void Tfm_main::Act_NewPrjExecute()
{
    newProject();
}

void Tfm_main::Act_OpenPrjExecute()
{
    OpenProjectFile();
    feedback();
}

void Tfm_main::Act_SavePrjExecute()
{
    savePrj(activeProjectWindow());
}

void Tfm_main::Act_CloseExecute()
{
    if (QMdiSubWindow* sw = subWindowOf(activeProjectWindow())) {
        sw->close();
    }
}

void Tfm_main::Act_SaveAsExecute()
{
    SaveProjectAs(activeProjectWindow());
}

void Tfm_main::Act_SaveAllExecute()
{
    for (Tfm_prj* w : projectWindows()) {
        m_mdi->setActiveSubWindow(subWindowOf(w));
        savePrj(w);
    }
}

void Tfm_main::Act_CloseAllExecute()
{
    for (Tfm_prj* w : projectWindows()) {
        if (QMdiSubWindow* sw = subWindowOf(w)) {
            m_mdi->setActiveSubWindow(sw);
            sw->close();
        }
    }
}

void Tfm_main::Act_SetPrjAttrExecute()
{
    if (Tfm_prj* w = activeProjectWindow()) {
        w->editAttributes();
    }
}

void Tfm_main::Act_ManagerLoginExecute()
{
    // The login dialog and the tables editor come with the reference tables; until then the commands only show.
    setAdminCommandsVisible(true);
}

void Tfm_main::Act_ManagerLogOutExecute()
{
    setAdminCommandsVisible(false);
    m_isAdmin = false;
}

void Tfm_main::Act_ExitExecute()
{
    const QString question = standalone() ? QStringLiteral("确认要退出 云杉脚手架智能计算软件 吗？")
                                          : QStringLiteral("确认要关闭 脚手架计算 吗？");
    if (AskYesNo(question) == Messages::Answer::Yes) {
        close();
    }
}

void Tfm_main::Act_AddFileFolderExecute()
{
    if (Tfm_prj* w = activeProjectWindow()) {
        w->AddNode(true);
    }
}

void Tfm_main::Act_AddYsObjExecute()
{
    if (Tfm_prj* w = activeProjectWindow()) {
        w->AddNode(false);
    }
}

void Tfm_main::Act_deleteExecute()
{
    if (Tfm_prj* w = activeProjectWindow()) {
        w->DeleteNode();
    }
}

void Tfm_main::Act_RenameExecute()
{
    if (Tfm_prj* w = activeProjectWindow()) {
        w->startRename();
    }
}

void Tfm_main::WindowCascade1Execute()
{
    m_mdi->cascadeSubWindows();
}

// Horizontal: the windows one above the other, each as wide as the area.
void Tfm_main::WindowTileHorizontal1Execute()
{
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) {
        return;
    }
    const QRect area = m_mdi->viewport()->rect();
    const int h = area.height() / static_cast<int>(windows.size());
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(0, i * h, area.width(), h);
    }
}

// Vertical: the windows side by side, each as high as the area.
void Tfm_main::WindowTileVertical1Execute()
{
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) {
        return;
    }
    const QRect area = m_mdi->viewport()->rect();
    const int w = area.width() / static_cast<int>(windows.size());
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(i * w, 0, w, area.height());
    }
}

void Tfm_main::Acti_helpThemeExecute()
{
    shellDialogs().openUrl(QUrl::fromLocalFile(AppPaths::dataDir() + QStringLiteral("/help.html")));
}

void Tfm_main::act_scaffold1Execute()
{
    shellDialogs().openUrl(
        QUrl::fromLocalFile(AppPaths::dataDir() + QStringLiteral("/accessories/脚手架构造要求一.rtf")));
}

void Tfm_main::act_scaffold2Execute()
{
    shellDialogs().openUrl(
        QUrl::fromLocalFile(AppPaths::dataDir() + QStringLiteral("/accessories/脚手架构造要求二.rtf")));
}

void Tfm_main::Act_UpgrageExecute()
{
    shellDialogs().openUrl(QUrl(kDownloadPage));
}

void Tfm_main::Act_HomePageExecute()
{
    shellDialogs().openUrl(QUrl(TAboutBox::kHomePage));
}

void Tfm_main::Act_AboutExecute()
{
    shellDialogs().showAbout(this);
}

void Tfm_main::referenceTableExecute()
{
    if (!m_isAdmin) {
        ShowWarning(QStringLiteral("你不具备管理员的权限，操作被取消！"));
    }
}
