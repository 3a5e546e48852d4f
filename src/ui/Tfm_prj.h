#pragma once

#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class ParameterPage;
class Tfm_main;
class TYsObj;
class TYsProject;

// The window of one open project: the tree of folders and calculation objects on the left, the page of the
// selected object on the right. It owns its project.
class Tfm_prj : public QWidget
{
    Q_OBJECT
public:
    // Images of the tree's nodes.
    enum NodeImage { ImageRoot = 0, ImageFolder = 1, ImageObject = 2, ImageFolderOpen = 3 };
    // Item data roles: the node's object (nullptr for the root) and its image number.
    static constexpr int kObjectRole = Qt::UserRole;
    static constexpr int kImageRole = Qt::UserRole + 1;

    // A new, empty project when `project` is null.
    explicit Tfm_prj(Tfm_main* main, std::unique_ptr<TYsProject> project = nullptr);
    ~Tfm_prj() override;

    TYsProject& project() { return *m_project; }
    QTreeWidget* tree() const { return tv_main; }
    TYsObj* CurObj() const { return m_curObj; }
    // The page shown: 0 for the root and folders, 1-9 for the kinds' pages.
    int pageIndex() const;
    QLabel* pageTitle() const;
    // The node's object, nullptr for the root.
    static TYsObj* objectOf(const QTreeWidgetItem* item);
    QTreeWidgetItem* rootItem() const;

    // Fills the tree from the project. For a project without a name the attribute dialog opens; false when
    // it was cancelled and the project is still unnamed (the caller closes the window).
    bool BuildTree();
    // 添加文件夹 / 添加脚手架 below the selected node.
    void AddNode(bool folder);
    // 删除 of the selected node.
    void DeleteNode();
    // 重命名节点: in-place editing of the selected node.
    void startRename();
    // The attribute dialog of this project; true when confirmed.
    bool editAttributes();
    // 生成计算书 of the selected object.
    void GenerateReport();
    // 存为默认值 and 调入默认值 of the selected object.
    void Act_savetodefaultExecute();
    void Act_loaddefaultExecute();

    // Hides every page (their hide steps run) and shows the page of the kind with CurObj (its show step).
    void ShowPageOfType(int typeId);
    // Writes the page's edits back into CurObj. False when an entry was refused or did not convert: the page has
    // said so, the object keeps its values and stays modified, and the command that asked stops.
    bool CommitPage(int typeId);
    // The hide and show steps of the object's page, so that its controls show the object's current values.
    void RefreshPage(TYsObj* obj);
    // The parameter page `page` (1-9).
    ParameterPage* page(int page) const
    {
        return page >= 1 && page <= 9 ? m_pages[static_cast<size_t>(page)] : nullptr;
    }
    // The page was edited: the object is modified and the main window's save commands follow.
    void MarkModified();
    // The project changed (tree, names, attributes).
    void markProjectModified();

    // Writes the project to its FileName (pending page edits first); the caption becomes the file's path.
    bool WriteProject();
    // Closed and about to be released: no longer one of the main window's open projects.
    bool released() const { return m_released; }

    // Closes the window without the save question (a new project that was given no name).
    void discard();
    // What an activation does: the main window's save and node commands follow this window.
    void activated();
    // The node state for the main window: 0 root, 1 folder, 2 object.
    int nodeState() const;
    // Room for the tree and a page, also when the windows are cascaded.
    QSize sizeHint() const override { return {720, 480}; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPages();
    QTreeWidgetItem* addItem(QTreeWidgetItem* parent, TYsObj* obj);
    void setImage(QTreeWidgetItem* item, int image);
    void currentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void selectionChanged(QTreeWidgetItem* current);
    void itemRenamed(QTreeWidgetItem* item, int column);
    void select(QTreeWidgetItem* item);
    void showStatusOfSelection();
    void hidePages();
    static bool isCalculation(const TYsObj* obj);

    Tfm_main* m_main;
    std::unique_ptr<TYsProject> m_project;
    QTreeWidget* tv_main = nullptr;
    QStackedWidget* pc_ParaSet = nullptr;
    std::array<ParameterPage*, 10> m_pages{}; // index 0 unused: the root's page has no parameters
    TYsObj* m_curObj = nullptr;
    bool m_updating = false; // the tree is changed by the program, not the user
    bool m_discard = false;
    bool m_released = false;
};
