#include "Tfm_prj.h"

#include "GroundScaffoldPage.h"
#include "ParameterPage.h"
#include "ProductArt.h"
#include "ShellDialogs.h"
#include "Tfm_main.h"
#include "Tfm_outputfile.h"
#include "TmyReScale.h"

#include "core/Kinds.h"
#include "core/Messages.h"
#include "core/ProjectFile.h"
#include "core/TYsObj.h"
#include "core/TYsProject.h"
#include "report/CalculationObject.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char* const kTitleLabel = "lbl_title";
const char* const kKindLabel = "lbl_kind";

// The page of each kind; 0 is the page of the root and the folders.
int pageOfType(int typeId)
{
    if (typeId >= 2 && typeId <= 8) {
        return typeId - 1;
    }
    if (typeId >= 9 && typeId <= 15) {
        return typeId - 8;
    }
    if (typeId == 16) {
        return 8;
    }
    if (typeId == 17) {
        return 9;
    }
    return 0;
}

bool isFolderKind(int typeId)
{
    return typeId < 2 || typeId >= 20;
}

// Restores the flag on every way out, exceptions included.
class UpdatingGuard
{
public:
    explicit UpdatingGuard(bool& flag)
        : m_flag(flag)
        , m_old(flag)
    {
        m_flag = true;
    }
    ~UpdatingGuard() { m_flag = m_old; }
    UpdatingGuard(const UpdatingGuard&) = delete;
    UpdatingGuard& operator=(const UpdatingGuard&) = delete;

private:
    bool& m_flag;
    bool m_old;
};

} // namespace

Tfm_prj::Tfm_prj(Tfm_main* main, std::unique_ptr<TYsProject> project)
    : QWidget(nullptr)
    , m_main(main)
    , m_project(project ? std::move(project) : std::make_unique<TYsProject>())
{
    setObjectName(QStringLiteral("fm_prj"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    tv_main = new QTreeWidget(this);
    tv_main->setObjectName(QStringLiteral("tv_main"));
    tv_main->setHeaderHidden(true);
    tv_main->setColumnCount(1);
    tv_main->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    tv_main->setContextMenuPolicy(Qt::CustomContextMenu);
    tv_main->setMinimumWidth(180);

    pc_ParaSet = new QStackedWidget(this);
    pc_ParaSet->setObjectName(QStringLiteral("pc_ParaSet"));
    buildPages();
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("sb_page"));
    scroll->setWidgetResizable(true);
    scroll->setWidget(pc_ParaSet);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(tv_main);
    splitter->addWidget(scroll);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 500});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    TmyReScale::loadLayout(this);

    connect(tv_main, &QTreeWidget::currentItemChanged, this, &Tfm_prj::currentChanged);
    connect(tv_main, &QTreeWidget::itemChanged, this, &Tfm_prj::itemRenamed);
    connect(tv_main, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, kImageRole).toInt() == ImageFolder) {
            setImage(item, ImageFolderOpen);
        }
    });
    connect(tv_main, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, kImageRole).toInt() == ImageFolderOpen) {
            setImage(item, ImageFolder);
        }
    });
    connect(tv_main, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item == rootItem()) {
            editAttributes();
            item->setExpanded(true);
        }
    });
    connect(tv_main, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QTreeWidgetItem* item = tv_main->itemAt(pos);
        if (!item) {
            return;
        }
        tv_main->setCurrentItem(item);
        QMenu menu(this);
        for (const char* name : {"Act_AddFileFolder", "Act_AddYsObj", "Act_delete", "Act_Rename"}) {
            menu.addAction(m_main->command(QString::fromLatin1(name)));
        }
        menu.exec(tv_main->viewport()->mapToGlobal(pos));
    });
}

Tfm_prj::~Tfm_prj() = default;

void Tfm_prj::buildPages()
{
    auto* calculate = new QAction(QStringLiteral("生成计算书"), this);
    calculate->setObjectName(QStringLiteral("Calculate"));
    connect(calculate, &QAction::triggered, this, &Tfm_prj::GenerateReport);
    auto* saveDefault = new QAction(QStringLiteral("存为默认值"), this);
    saveDefault->setObjectName(QStringLiteral("Act_savetodefault"));
    connect(saveDefault, &QAction::triggered, this, &Tfm_prj::Act_savetodefaultExecute);
    auto* loadDefault = new QAction(QStringLiteral("调入默认值"), this);
    loadDefault->setObjectName(QStringLiteral("Act_loaddefault"));
    connect(loadDefault, &QAction::triggered, this, &Tfm_prj::Act_loaddefaultExecute);

    // Page 0: the root's and the folders' page.
    auto* ts_com = new QWidget(pc_ParaSet);
    ts_com->setObjectName(QStringLiteral("ts_com"));
    auto* comLayout = new QVBoxLayout(ts_com);
    auto* picture = new QLabel(ts_com);
    picture->setObjectName(QStringLiteral("img_com"));
    picture->setPixmap(productEmblem(QSize(160, 160)));
    picture->setAlignment(Qt::AlignCenter);
    auto* hint = new QLabel(QStringLiteral("请在左侧的工程树中选择或添加计算方案"), ts_com);
    hint->setAlignment(Qt::AlignCenter);
    auto* comTitle = new QLabel(ts_com);
    comTitle->setObjectName(QString::fromLatin1(kTitleLabel));
    comTitle->hide();
    comLayout->addStretch(1);
    comLayout->addWidget(picture);
    comLayout->addWidget(hint);
    comLayout->addWidget(comTitle);
    comLayout->addStretch(2);
    pc_ParaSet->addWidget(ts_com);

    // Pages 1-9: the kinds' parameter pages; a kind whose page is not built yet shows its title and picture.
    ParameterPage::Host host;
    host.calculate = calculate;
    host.saveDefault = saveDefault;
    host.loadDefault = loadDefault;
    host.markModified = [this] { MarkModified(); };
    host.refreshSaveCommands
        = [this] { m_main->SetSaveCommands(m_project->Modified || (m_curObj && m_curObj->Modified)); };
    static const char* const pictures[] = {"",
                                           "",
                                           "",
                                           "",
                                           "FormWork/SlabHgh5.bmp",
                                           "HighBoard/SlabHigh5.bmp",
                                           "HighGirder/BeamHigh1.bmp",
                                           "GroundPlat/diagram.bmp",
                                           "Door/门架正立面.bmp",
                                           "RaisePlat/simple.bmp"};
    for (int page = 1; page <= 9; ++page) {
        ParameterPage* ts = nullptr;
        if (page == 1) {
            ts = new GroundScaffoldPage(QString(), host, pc_ParaSet);
        } else {
            ts = new ParameterPage(page, QString(), QString::fromUtf8(pictures[page]), host, pc_ParaSet);
            ts->setObjectName(QStringLiteral("ts_page%1").arg(page));
        }
        m_pages[static_cast<size_t>(page)] = ts;
        pc_ParaSet->addWidget(ts);
    }
    pc_ParaSet->setCurrentIndex(0);
}

TYsObj* Tfm_prj::objectOf(const QTreeWidgetItem* item)
{
    return item ? static_cast<TYsObj*>(item->data(0, kObjectRole).value<void*>()) : nullptr;
}

QTreeWidgetItem* Tfm_prj::rootItem() const
{
    return tv_main->topLevelItemCount() > 0 ? tv_main->topLevelItem(0) : nullptr;
}

int Tfm_prj::pageIndex() const
{
    return pc_ParaSet->currentIndex();
}

QLabel* Tfm_prj::pageTitle() const
{
    return pc_ParaSet->currentWidget()->findChild<QLabel*>(QString::fromLatin1(kTitleLabel));
}

bool Tfm_prj::isCalculation(const TYsObj* obj)
{
    return obj && obj->TypeId >= 2 && obj->TypeId <= 19;
}

int Tfm_prj::nodeState() const
{
    QTreeWidgetItem* item = tv_main->currentItem();
    TYsObj* obj = objectOf(item);
    if (!obj) {
        return 0;
    }
    return isFolderKind(obj->TypeId) ? 1 : 2;
}

void Tfm_prj::setImage(QTreeWidgetItem* item, int image)
{
    static const QStyle::StandardPixmap icons[]
        = {QStyle::SP_DriveHDIcon, QStyle::SP_DirClosedIcon, QStyle::SP_FileIcon, QStyle::SP_DirOpenIcon};
    UpdatingGuard guard(m_updating);
    item->setData(0, kImageRole, image);
    item->setIcon(0, style()->standardIcon(icons[image]));
}

QTreeWidgetItem* Tfm_prj::addItem(QTreeWidgetItem* parent, TYsObj* obj)
{
    UpdatingGuard guard(m_updating);
    auto* item = new QTreeWidgetItem(parent, QStringList{obj->Caption});
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(0, kObjectRole, QVariant::fromValue(static_cast<void*>(obj)));
    setImage(item, obj->TypeId <= 1 ? ImageFolder : ImageObject);
    return item;
}

bool Tfm_prj::BuildTree()
{
    {
        UpdatingGuard guard(m_updating);
        tv_main->clear();
        auto* root = new QTreeWidgetItem(tv_main, QStringList{m_project->prjname});
        root->setFlags(root->flags() | Qt::ItemIsEditable);
        root->setData(0, kObjectRole, QVariant::fromValue(static_cast<void*>(nullptr)));
        setImage(root, ImageRoot);
        std::vector<QTreeWidgetItem*> parents{root};
        for (const TYsProject::TreeNode& node : m_project->tree()) {
            parents.resize(static_cast<size_t>(node.depth) + 1);
            parents.push_back(addItem(parents[static_cast<size_t>(node.depth)], node.obj));
        }
        root->setExpanded(true);
        tv_main->setCurrentItem(root);
    }
    m_curObj = nullptr;
    selectionChanged(rootItem());
    m_project->Modified = false;
    if (m_project->prjname.isEmpty()) {
        editAttributes();
        return !m_project->prjname.isEmpty();
    }
    return true;
}

bool Tfm_prj::editAttributes()
{
    if (!shellDialogs().editAttributes(*m_project, this)) {
        return false;
    }
    markProjectModified();
    if (m_project->FileName.isEmpty()) {
        setWindowTitle(m_project->prjname);
    }
    if (QTreeWidgetItem* root = rootItem()) {
        UpdatingGuard guard(m_updating);
        root->setText(0, m_project->prjname);
    }
    m_main->SetSaveCommands(true);
    return true;
}

void Tfm_prj::currentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    if (m_updating || !current) {
        return;
    }
    if (m_curObj && m_curObj->Modified && objectOf(current) != m_curObj) {
        if (AskYesNo(QStringLiteral("是否保存 ") + m_curObj->Caption + QStringLiteral(" 的数据？"))
            == Messages::Answer::Yes) {
            if (!CommitPage(m_curObj->TypeId)) {
                // the entry the page refused keeps the focus, and the object stays selected
                if (previous) {
                    UpdatingGuard guard(m_updating);
                    tv_main->setCurrentItem(previous);
                }
                return;
            }
            markProjectModified();
        }
        m_curObj->Modified = false;
    }
    selectionChanged(current);
}

void Tfm_prj::selectionChanged(QTreeWidgetItem* current)
{
    TYsObj* obj = objectOf(current);
    if (!obj) {
        m_curObj = nullptr;
        m_project->prjname = current->text(0);
        ShowPageOfType(0);
        m_main->SetNodeCommands(0);
    } else {
        if (obj != m_curObj) {
            m_curObj = obj;
            ShowPageOfType(obj->TypeId);
        }
        obj->Caption = current->text(0);
        pageTitle()->setText(obj->Caption);
        m_main->SetNodeCommands(isFolderKind(obj->TypeId) ? 1 : 2);
    }
    showStatusOfSelection();
}

void Tfm_prj::showStatusOfSelection()
{
    m_main->setStatusText(isCalculation(m_curObj) ? QStringLiteral("正在编辑：") + m_curObj->Caption : QString());
}

void Tfm_prj::select(QTreeWidgetItem* item)
{
    {
        UpdatingGuard guard(m_updating);
        tv_main->setCurrentItem(item);
    }
    selectionChanged(item);
}

void Tfm_prj::itemRenamed(QTreeWidgetItem* item, int column)
{
    if (m_updating || column != 0) {
        return;
    }
    const bool root = item == rootItem();
    TYsObj* obj = objectOf(item);
    const QString old = root ? m_project->prjname : (obj ? obj->Caption : QString());
    const QString text = item->text(0);
    if (text == old) {
        return;
    }
    if (text.isEmpty()) {
        if (root) {
            ShowWarning(QStringLiteral("工程名不能为空！"));
        } else if (isCalculation(obj)) {
            ShowWarning(QStringLiteral("脚手架名不能为空！"));
        } else {
            ShowWarning(QStringLiteral("文件夹名不能为空！"));
        }
        UpdatingGuard guard(m_updating);
        item->setText(0, old);
        return;
    }
    if (root) {
        m_project->prjname = text;
    } else if (obj) {
        obj->Caption = text;
        if (obj == m_curObj) {
            pageTitle()->setText(text);
            showStatusOfSelection();
        }
    }
    markProjectModified();
}

void Tfm_prj::startRename()
{
    if (QTreeWidgetItem* item = tv_main->currentItem()) {
        tv_main->setFocus();
        tv_main->editItem(item, 0);
    }
}

void Tfm_prj::AddNode(bool folder)
{
    QTreeWidgetItem* parent = tv_main->currentItem();
    if (!parent) {
        return;
    }
    TYsObj* parentObj = objectOf(parent);
    if (parentObj && !isFolderKind(parentObj->TypeId)) {
        return; // objects hold no children
    }
    int kind = 1;
    QString name;
    if (folder) {
        const std::optional<QString> answer = shellDialogs().askFolderName(this);
        if (!answer || answer->isEmpty()) {
            return;
        }
        name = *answer;
    } else {
        const std::optional<ShellDialogs::NewObject> choice = shellDialogs().chooseNewObject(this);
        if (!choice || choice->typeId < 2 || choice->name.isEmpty()) {
            return;
        }
        kind = choice->typeId;
        name = choice->name;
    }

    std::unique_ptr<TYsObj> made = createObject(kind);
    if (kind >= 2 && kind <= 19) {
        QString error;
        if (!made->LoadDefaults(&error) && !error.isEmpty()) {
            ShowWarning(error);
        }
    }
    made->Caption = name;
    made->TypeId = kind;
    made->Index = m_project->NewIndex();
    made->P_index = parentObj ? parentObj->Index : -1;
    TYsObj* obj = m_project->addObject(std::move(made));

    QTreeWidgetItem* item = addItem(parent, obj);
    parent->setExpanded(true);
    markProjectModified();
    select(item);
    item->setExpanded(true);
}

void Tfm_prj::DeleteNode()
{
    // Ctrl+Delete while typing (a page's edit, the tree's own in-place editor) is the editor's, not the tree's.
    QWidget* focus = QApplication::focusWidget();
    if (focus && isAncestorOf(focus)
        && (qobject_cast<QLineEdit*>(focus) || qobject_cast<QAbstractSpinBox*>(focus) || qobject_cast<QTextEdit*>(focus)
            || qobject_cast<QPlainTextEdit*>(focus))) {
        return;
    }
    QTreeWidgetItem* item = tv_main->currentItem();
    if (!item) {
        return;
    }
    TYsObj* obj = objectOf(item);
    if (!obj) {
        ShowWarning(QStringLiteral("根节点不能被删除"));
        return;
    }
    const QString question = isFolderKind(obj->TypeId)
        ? QStringLiteral("确定要删除文件夹 ") + obj->Caption + QStringLiteral(" 吗?")
        : QStringLiteral("确定要删除脚手架 ") + obj->Caption + QStringLiteral(" 吗?");
    if (AskYesNo(question) != Messages::Answer::Yes) {
        return;
    }
    QTreeWidgetItem* parent = item->parent();
    const int at = parent->indexOfChild(item);
    QTreeWidgetItem* next = at + 1 < parent->childCount() ? parent->child(at + 1)
        : at > 0                                          ? parent->child(at - 1)
                                                          : parent;
    m_project->MarkDeleted(obj->Index);
    {
        UpdatingGuard guard(m_updating);
        m_curObj = nullptr;
        delete item;
    }
    markProjectModified();
    select(next);
}

void Tfm_prj::hidePages()
{
    for (ParameterPage* p : m_pages) {
        if (p) {
            p->hidePage();
        }
    }
}

void Tfm_prj::ShowPageOfType(int typeId)
{
    hidePages();
    for (int i = 0; i < pc_ParaSet->count(); ++i) {
        if (auto* title = pc_ParaSet->widget(i)->findChild<QLabel*>(QString::fromLatin1(kTitleLabel))) {
            title->clear();
        }
    }
    const int page = pageOfType(typeId);
    pc_ParaSet->setCurrentIndex(page);
    if (page > 0) {
        const KindInfo* info = kindInfo(typeId);
        pc_ParaSet->currentWidget()
            ->findChild<QLabel*>(QString::fromLatin1(kKindLabel))
            ->setText(info ? info->pageCaption : QString());
        if (m_curObj && m_curObj->TypeId == typeId) {
            m_pages[static_cast<size_t>(page)]->showFor(m_curObj);
        }
    }
}

bool Tfm_prj::CommitPage(int typeId)
{
    ParameterPage* p = page(pageOfType(typeId));
    TYsObj* obj = p ? p->object() : nullptr;
    if (!obj || obj != m_curObj) {
        return true; // a kind without parameters, or nothing shown
    }
    if (!p->writesBackAlways() && !obj->Modified) {
        return true;
    }
    return p->commit();
}

void Tfm_prj::RefreshPage(TYsObj* obj)
{
    if (obj && obj == m_curObj) {
        if (ParameterPage* p = page(pageOfType(obj->TypeId))) {
            p->hidePage();
            p->showFor(obj);
        }
        pageTitle()->setText(obj->Caption);
    }
}

void Tfm_prj::MarkModified()
{
    if (m_curObj) {
        m_curObj->Modified = true;
    }
    m_main->SetSaveCommands(true);
}

void Tfm_prj::markProjectModified()
{
    m_project->Modified = true;
    m_main->SetSaveCommands(true);
}

void Tfm_prj::GenerateReport()
{
    TYsObj* obj = m_curObj;
    if (!isCalculation(obj)) {
        return;
    }
    QProgressBar* progress = m_main->progressBar();
    progress->setValue(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool waiting = true;
    m_main->setStatusText(QStringLiteral("生成计算书..."));
    std::unique_ptr<Tfm_outputfile> window;
    try {
        if (!CommitPage(obj->TypeId)) {
            // no book with the old values: the refused entry is for the user to mend first
            progress->setValue(0);
            QApplication::restoreOverrideCursor();
            showStatusOfSelection();
            return;
        }
        markProjectModified();
        window = std::make_unique<Tfm_outputfile>(m_main->standalone(), m_main);
        obj->myActivePrj = m_project.get();
        writeReportOf(*obj, window->report());
        progress->setValue(100);
        m_main->setStatusText(QStringLiteral("完成计算书！"));
        progress->setValue(0);
        m_main->setStatusText(QString());
        QApplication::restoreOverrideCursor();
        waiting = false;
        window->setSaveEnabled(true);
        QPointer<Tfm_outputfile> alive(window.get());
        shellDialogs().showReport(*window);
        if (!alive) {
            (void)window.release(); // the window released itself on closing
        }
    } catch (...) {
        // the report window goes with `window`; the error itself is the application's to report
        progress->setValue(0);
        if (waiting) {
            QApplication::restoreOverrideCursor();
        }
        showStatusOfSelection();
        throw;
    }
    showStatusOfSelection();
}

void Tfm_prj::Act_savetodefaultExecute()
{
    if (!isCalculation(m_curObj)) {
        return;
    }
    if (AskYesNo(QStringLiteral("将当前的各项数据保存为下次添加时的默认值吗？")) != Messages::Answer::Yes) {
        return;
    }
    if (m_curObj->Modified) {
        if (!CommitPage(m_curObj->TypeId)) {
            return;
        }
        markProjectModified();
    }
    QString error;
    if (!m_curObj->SaveDefaults(&error) && !error.isEmpty()) {
        ShowWarning(error);
    }
}

void Tfm_prj::Act_loaddefaultExecute()
{
    if (!isCalculation(m_curObj)) {
        return;
    }
    if (AskYesNo(QStringLiteral("将当前的各项数据恢复到上次保存的默认值吗？")) != Messages::Answer::Yes) {
        return;
    }
    QString error;
    if (m_curObj->LoadDefaults(&error)) {
        RefreshPage(m_curObj);
        m_curObj->Modified = true;
        m_main->SetSaveCommands(true);
    } else if (!error.isEmpty()) {
        ShowWarning(error);
    }
}

bool Tfm_prj::WriteProject()
{
    if (m_curObj && m_curObj->Modified) {
        if (!CommitPage(m_curObj->TypeId)) {
            return false; // no save with the old values
        }
        markProjectModified();
    }
    setWindowTitle(m_project->FileName);
    const bool written = ProjectFile::write(*m_project);
    m_main->SetSaveCommands(false);
    return written;
}

void Tfm_prj::activated()
{
    m_main->SetSaveCommands(m_project->Modified || (m_curObj && m_curObj->Modified));
    m_main->SetNodeCommands(nodeState());
}

void Tfm_prj::discard()
{
    m_discard = true;
    if (auto* sw = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sw->close();
    } else {
        close();
    }
}

void Tfm_prj::closeEvent(QCloseEvent* event)
{
    if (m_released) {
        event->accept();
        return;
    }
    if (!m_discard && ((m_curObj && m_curObj->Modified) || m_project->Modified)) {
        const QString caption = QStringLiteral("\" ") + windowTitle() + QStringLiteral(" \"");
        switch (AskYesNoCancel(QStringLiteral("是否保存脚手架计算工程文件 %1 ?").arg(caption))) {
        case Messages::Answer::Yes:
            // this window's project, whichever window is active
            if (!m_main->savePrj(this)) {
                event->ignore();
                return;
            }
            break;
        case Messages::Answer::No:
            break;
        case Messages::Answer::Cancel:
            event->ignore();
            if (auto* sw = qobject_cast<QMdiSubWindow*>(parentWidget())) {
                m_main->mdiArea()->setActiveSubWindow(sw);
            }
            return;
        }
    }
    hidePages();
    m_project->Modified = false;
    m_curObj = nullptr;
    m_released = true;
    m_main->projectWindowClosing(this);
    event->accept();
}
