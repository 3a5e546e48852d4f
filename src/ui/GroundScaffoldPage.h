#pragma once
// Page 1 of the project window's page area: the floor-standing scaffold (kinds 2 and 9).

#include "ParameterPage.h"
#include "analysis/TGroundWorkPara.h"
#include "analysis/TLiveLoad.h"
#include "analysis/TOtherLoad.h"
#include "analysis/TScaffoldExPara.h"
#include "analysis/TStaticLoad.h"
#include "analysis/TWindload.h"

#include <optional>

class QPushButton;
class ScaffoldFrame;
class TGroundScaffold;
struct LoadDialogFrame;

// 落地式脚手架: the scaffold frame on a private copy of the object's scaffold component, the load and foundation
// dialogs on their own copies (made on the first press, kept while the page is shown), and the two elevations.
class GroundScaffoldPage : public ParameterPage
{
    Q_OBJECT
public:
    GroundScaffoldPage(const QString& kindCaption, Host host, QWidget* parent = nullptr);
    ~GroundScaffoldPage() override;

    bool writesBackAlways() const override { return true; }

    ScaffoldFrame* frame() const { return m_frame; }
    // The private copy of the scaffold component while the page is shown.
    const TScaffoldExPara& pagePara() const { return m_pagePara; }

    // 荷载参数 and 地基参数: the dialogs on the page's copies; the object changes only at the write-back.
    void editLoads();
    void editGround();
    // What the load dialog takes from the frame as it now stands.
    LoadDialogFrame loadDialogFrame() const;

    QPushButton* bt_LoadPara = nullptr;
    QPushButton* bt_GroundPara = nullptr;
    QPushButton* bt_FrontElevation = nullptr; // 落地架正立面图
    QPushButton* bt_SideElevation = nullptr;  // 落地架侧立面图

protected:
    void showStep(TYsObj& obj) override;
    bool writeBack(TYsObj& obj) override;
    void hideStep() override;

private:
    // The load dialog's copies of the object's load components.
    struct Loads
    {
        TStaticLoad staticLoad;
        TLiveLoad liveLoad;
        TOtherLoad otherLoad;
        TWindload windLoad;
        bool windLoadValid = false;
    };

    TGroundScaffold* scaffold() const;

    ScaffoldFrame* m_frame = nullptr;
    TScaffoldExPara m_pagePara;
    std::optional<Loads> m_loads;
    std::optional<TGroundWorkPara> m_ground;
};
