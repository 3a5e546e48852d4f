#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class TYsObj;
class TYsProject;

// One row of the kinds table: which class a TypeId creates, the name users see, and the update.ini section the
// kind's defaults are read from and written to.
struct KindInfo
{
    int typeId;
    QString className;
    QString kindName;    // as offered to users (new-object guide, command line)
    QString pageCaption; // the parameter page's title
    QString readSection; // empty: no defaults
    QString writeSection;
    int primaryTypeId; // the code of the pair 2-8 / 9-15 a new object receives (the row's own otherwise)
};

// The row of `typeId`, or nullptr for a value the table does not know (such objects are plain TYsObj).
const KindInfo* kindInfo(int typeId);

// The rows a user can create, in the order of the new-object guide (folder first).
QList<const KindInfo*> creatableKinds();

// The kind code for a name as offered to users ("文件夹", "落地架", "普通悬挑架", ...) or for a decimal code 1-19;
// 0 when the text names no kind.
int kindCodeFor(const QString& nameOrCode);

// How the calculation layer makes the object of a kind; the calculation layer registers one per class.
using ObjectCreator = std::unique_ptr<TYsObj> (*)();
void registerKindCreator(int typeId, ObjectCreator creator);

// A new instance of the class that `typeId` selects (TYsObj for a folder or a value the table does not know),
// with that TypeId. Throws YsError("创建脚手架对象时出现错误！") when it cannot be made.
std::unique_ptr<TYsObj> createObject(int typeId);

// createObject, then appended to `project`'s object list, which owns it.
TYsObj* CreateObjectOfType(int typeId, TYsProject& project);
