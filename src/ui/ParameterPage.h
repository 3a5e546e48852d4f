#pragma once
// The right half of the project window shows one of these per kind; Tfm_prj drives their steps.

#include <QString>
#include <QWidget>
#include <functional>

class QAction;
class QLabel;
class QVBoxLayout;
class TYsObj;

// A parameter page: the object's values in controls, written back on request. The steps are those every page
// keeps: show (private copies made, lists filled, controls set, the object unmodified), editing, sub-dialogs,
// write-back and hide (copies and sub-dialog copies dropped). A kind whose page is not built yet shows its title,
// its picture and the button bar only.
class ParameterPage : public QWidget
{
    Q_OBJECT
public:
    // What a page needs from its project window.
    struct Host
    {
        QAction* calculate = nullptr;   // 生成计算书
        QAction* saveDefault = nullptr; // 存为默认值
        QAction* loadDefault = nullptr; // 调入默认值
        std::function<void()> markModified;
        // The object's Modified changed without an edit (show and write-back steps).
        std::function<void()> refreshSaveCommands;
    };

    // `page` 1-9; `kindCaption` is shown above the controls; `picture` (below the pictures' folder, may be empty)
    // is shown by a page that has no controls yet.
    ParameterPage(int page, const QString& kindCaption, const QString& picture, Host host, QWidget* parent = nullptr);
    ~ParameterPage() override;

    int pageNumber() const { return m_page; }
    // The centred bold label of the button bar that shows the object's caption.
    QLabel* titleLabel() const { return m_title; }
    // The object shown, nullptr while the page is hidden.
    TYsObj* object() const { return m_obj; }
    // Pages of the scaffold frame write back on every request; the others only while their object is modified.
    virtual bool writesBackAlways() const { return false; }

    // Show step for `obj`.
    void showFor(TYsObj* obj);
    // Write-back step. False when an entry was refused or did not convert: the message is shown, the object keeps
    // its previous values and stays modified, and the command that asked must stop.
    bool commit();
    // Hide step; nothing of what was not written back survives it.
    void hidePage();

    // The message of a write-back whose entry is not a number.
    static QString writeBackFailedMessage() { return QStringLiteral("操作失败，所有数据已经丢失！"); }

protected:
    // Where a page puts its controls, above the button bar.
    QVBoxLayout* body() const { return m_body; }
    void markModified();

    // The page's parts of the steps; the base handles the object, its Modified flag and the title.
    virtual void showStep(TYsObj& obj);
    virtual bool writeBack(TYsObj& obj);
    virtual void hideStep();

private:
    int m_page;
    Host m_host;
    TYsObj* m_obj = nullptr;
    QVBoxLayout* m_body = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_picture = nullptr;
};
