#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QProgressBar;
class QShortcut;
class QToolBar;
class Tfm_prj;

// The frame window: the open projects as child windows, every command in menus and tool bars, the status pane
// and progress bar, the command-line file and dropped files.
class Tfm_main : public QMainWindow
{
    Q_OBJECT
public:
    enum class RunMode { Standalone, Suite };

    // Standalone when `path` (normally "setm.dll" in the current folder) is a text file whose first line is
    // "standalone" in any letter case; the suite module otherwise, unreadable files included.
    static RunMode runModeFrom(const QString& path);
    static QString applicationTitle(RunMode mode);
    static QString mainCaption(RunMode mode);

    // The most project windows open at once.
    static constexpr int kMaxProjectWindows = 20;
    static const QString kProjectFilter; // the open and save dialogs' filter, in Qt's form

    explicit Tfm_main(RunMode mode = RunMode::Standalone, QWidget* parent = nullptr);
    ~Tfm_main() override;

    RunMode runMode() const { return m_mode; }
    bool standalone() const { return m_mode == RunMode::Standalone; }

    // A command by its name (Act_NewPrj, Act_SavePrj, ...); nullptr for an unknown name.
    QAction* command(const QString& name) const;

    // Node commands for 0 root, 1 folder, 2 calculation object, 3 no project.
    void SetNodeCommands(int state);
    // 0 enables, 1 disables the commands that need an open project.
    void SetProjectCommands(int state);
    // Save commands: enabled when `modified`, otherwise only while some open project is modified.
    void SetSaveCommands(bool modified);

    QLabel* statusPane() const { return RzStatusPane1; }
    QProgressBar* progressBar() const { return RzProgressBar1; }
    void setStatusText(const QString& text);
    QMdiArea* mdiArea() const { return m_mdi; }

    // The open project windows in creation order, and the active one (nullptr when none).
    QList<Tfm_prj*> projectWindows() const;
    Tfm_prj* activeProjectWindow() const;

    // 新建工程: a new project window, nullptr when refused or when the new project was given no name.
    Tfm_prj* newProject();
    // Opens a project file without a dialog; the new window, or nullptr when the file was not opened.
    Tfm_prj* ReadProject(const QString& path);
    // 打开工程: the open dialog, then ReadProject; true when the user chose a file.
    bool OpenProjectFile();
    // Saves the project of `window` (to its file, or through Save As); true when it was written.
    bool savePrj(Tfm_prj* window);
    // The save-as dialog, then the write; true only when the project was written. After it the project is
    // bound to the new file.
    bool SaveProjectAs(Tfm_prj* window);

    // The file the first activation opens (the first command-line argument).
    void setCommandLineFile(const QString& path) { m_commandLineFile = path; }
    // What an activation does: the mode's caption, and on the first one the command-line file.
    void activated();
    // Of the dropped files the last is opened, when it exists.
    void openDroppedFiles(const QStringList& paths);

    // How long save and open leave the progress bar at 100 (ms); tests set 0.
    void setFeedbackDelay(int ms) { m_feedbackMs = ms; }
    // Called by a project window that is really closing, before it is released.
    void projectWindowClosing(Tfm_prj* window);
    void restoreCaption();

signals:
    // Emitted once after the first activation has been handled.
    void firstActivationDone();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* addCommand(const QString& name, const QString& category, const QString& caption,
                        const QKeySequence& shortcut, void (Tfm_main::*slot)());
    void buildCommands();
    void buildMenusAndBars();
    void applyRunMode();
    Tfm_prj* addProjectWindow(Tfm_prj* window);
    void feedback();
    void setAdminCommandsVisible(bool visible);
    void subWindowActivated(QMdiSubWindow* window);

    void Act_NewPrjExecute();
    void Act_OpenPrjExecute();
    void Act_SavePrjExecute();
    void Act_CloseExecute();
    void Act_SaveAsExecute();
    void Act_SaveAllExecute();
    void Act_CloseAllExecute();
    void Act_SetPrjAttrExecute();
    void Act_ManagerLoginExecute();
    void Act_ManagerLogOutExecute();
    void Act_ExitExecute();
    void Act_AddFileFolderExecute();
    void Act_AddYsObjExecute();
    void Act_deleteExecute();
    void Act_RenameExecute();
    void WindowCascade1Execute();
    void WindowTileHorizontal1Execute();
    void WindowTileVertical1Execute();
    void Acti_helpThemeExecute();
    void act_scaffold1Execute();
    void act_scaffold2Execute();
    void Act_UpgrageExecute();
    void Act_HomePageExecute();
    void Act_AboutExecute();
    void referenceTableExecute();

    RunMode m_mode;
    QMdiArea* m_mdi = nullptr;
    QLabel* RzStatusPane1 = nullptr;
    QProgressBar* RzProgressBar1 = nullptr;
    QMenu* m_paramMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QToolBar* m_standardBar = nullptr;
    QToolBar* m_companyBar = nullptr;
    QList<QAction*> m_referenceCommands;
    QShortcut* m_loginShortcut = nullptr; // 管理员登陆 while the command is hidden
    QString m_commandLineFile;
    bool m_firstActivation = true;
    bool m_isAdmin = false;
    int m_feedbackMs = 200;
};
