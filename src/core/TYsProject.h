#pragma once

#include "Bindings.h"
#include "TMyList.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TYsObj;

// One project: the site's attributes, an optional password and the tree of folders and calculation objects,
// which form a tree through Index and P_index.
class TYsProject
{
public:
    TYsProject();
    ~TYsProject();
    TYsProject(const TYsProject&) = delete;
    TYsProject& operator=(const TYsProject&) = delete;

    QString FileName;      // full path of the project file; empty until first saved
    bool Modified = false; // the project differs from its file

    QString prjname;             // 工程名称, also the text of the tree's root
    QString prjdirector;         // 工程负责人
    QString scheduleMaker;       // 技术负责人
    QString prjdate;             // 制作日期, kept as text
    QString descmemo;            // 工程说明, each line followed by a CR
    QString password;            // 工程密码; empty = no password
    quint8 StructureType = 0;    // 结构类型: 0 框架, 1 砖混, 2 框剪, 3 剪力墙
    double BuildHigh = 0;        // 建筑高度 (m)
    double FloorHigh = 0;        // 标准层层高 (m)
    double StructureArea = 0;    // 总建筑面积 (m²)
    double TimeOfProject = 0;    // 总工期 (days)
    QString ConstuctionUnit;     // 施工单位
    bool FlagWriteToCal = false; // write the project block into every report

    TMyList PropList;
    // Every folder and object in creation order, deleted ones included until the project is closed.
    std::vector<std::unique_ptr<TYsObj>> ObjList;

    // The longest password kept, in characters.
    static constexpr int kMaxPasswordLength = 15;
    // Sets the password as the attribute dialog does: blanks at both ends removed, at most 15 characters.
    void setPassword(const QString& text);

    bool StoreToPropList();
    // Sets the attributes from PropList; a missing key gives the empty value of its type. A value that does not
    // convert leaves its attribute unchanged; the keys of such values are returned.
    QStringList LoadFromPropList();
    static const BindingTable<TYsProject>& Bindings();

    // The smallest index >= 0 that no live object has.
    qint32 NewIndex() const;
    // Marks the live objects with Index k and, below them, every live object of their subtrees as deleted.
    void MarkDeleted(qint32 k);

    // Takes ownership of `obj` and appends it to the object list.
    TYsObj* addObject(std::unique_ptr<TYsObj> obj);
    // The first live object with this Index, or nullptr.
    TYsObj* findLive(qint32 index) const;
    // The live objects in list order.
    std::vector<TYsObj*> liveObjects() const;

    struct TreeNode
    {
        TYsObj* obj;
        int depth; // 0 = child of the root
    };
    // The tree as the project window shows it, depth first: below a node with Index k (the root stands for -1)
    // every live object whose P_index is k, in list order. Each object appears once even when a file makes the
    // parents form a cycle; objects whose parent is missing are not part of the tree.
    std::vector<TreeNode> tree() const;
};
