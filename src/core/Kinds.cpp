#include "Kinds.h"

#include "TYsObj.h"
#include "TYsProject.h"
#include "YsError.h"

#include <array>
#include <map>

namespace {

QList<KindInfo> buildTable()
{
    struct Row
    {
        const char* className;
        const char* kindName;
        const char* pageCaption;
        const char* readSection;
        const char* writeSection;
    };
    // Kinds 2-8 and 9-15 pair up: both values of a pair create the same class.
    const std::array<Row, 8> paired = {{
        {"", "", "", "", ""}, // unused slot so that the index is the kind code minus one
        {"TGroundScaffold", "落地架", "落地式脚手架", "Ground information", "Ground information"},
        {"TRaiseScaffoldA", "普通悬挑架", "普通悬挑架", "RaiseA information", "RaiseA information"},
        {"TRaiseScaffoldB", "联梁悬挑架", "联梁悬挑架", "RaiseB information", "RaiseB information"},
        {"TFormworkScaffold", "模板支架", "模板支架", "Formwork information", "Formwork information"},
        {"THighBoardScaffold", "板高支撑", "板高支撑", "HighBoard information", "HighBoard information"},
        {"THighGirderScaffold", "梁高支撑", "梁高支撑", "HighGirder information", "HighGirder information"},
        {"TGroundPlatRoof", "落地平台", "落地平台", "Groundplat information", "GroundPlat information"},
    }};
    QList<KindInfo> table;
    table.append(KindInfo{1, QStringLiteral("TYsObj"), QStringLiteral("文件夹"), QString(), QString(), QString(), 1});
    for (int code = 2; code <= 15; ++code) {
        const int primary = code <= 8 ? code : code - 7;
        const Row& r = paired[static_cast<size_t>(primary - 1)];
        table.append(KindInfo{code, QString::fromUtf8(r.className), QString::fromUtf8(r.kindName),
                              QString::fromUtf8(r.pageCaption), QString::fromUtf8(r.readSection),
                              QString::fromUtf8(r.writeSection), primary});
    }
    table.append(KindInfo{16, QStringLiteral("TDoorScaffold"), QStringLiteral("门架"), QStringLiteral("门架"),
                          QStringLiteral("Door information"), QStringLiteral("Door information"), 16});
    table.append(KindInfo{17, QStringLiteral("TRaisePlat"), QStringLiteral("悬挑卸料平台"),
                          QStringLiteral("悬挑卸料平台"), QStringLiteral("RaisePlat information"),
                          QStringLiteral("RaisePlat information"), 17});
    table.append(KindInfo{18, QStringLiteral("TWallScaffold"), QString(), QString(), QString(), QString(), 18});
    table.append(KindInfo{19, QStringLiteral("TWellScaffold"), QString(), QString(), QString(), QString(), 19});
    return table;
}

const QList<KindInfo>& table()
{
    static const QList<KindInfo> t = buildTable();
    return t;
}

std::map<int, ObjectCreator>& creators()
{
    static std::map<int, ObjectCreator> c;
    return c;
}

} // namespace

const KindInfo* kindInfo(int typeId)
{
    for (const KindInfo& k : table()) {
        if (k.typeId == typeId) {
            return &k;
        }
    }
    return nullptr;
}

QList<const KindInfo*> creatableKinds()
{
    QList<const KindInfo*> out;
    for (const KindInfo& k : table()) {
        if (k.primaryTypeId == k.typeId && !k.kindName.isEmpty()) {
            out.append(&k);
        }
    }
    return out;
}

int kindCodeFor(const QString& nameOrCode)
{
    const QString t = nameOrCode.trimmed();
    bool isNumber = false;
    const int code = t.toInt(&isNumber);
    if (isNumber) {
        return kindInfo(code) ? code : 0;
    }
    for (const KindInfo* k : creatableKinds()) {
        if (k->kindName == t) {
            return k->typeId;
        }
    }
    return 0;
}

void registerKindCreator(int typeId, ObjectCreator creator)
{
    creators()[typeId] = creator;
}

std::unique_ptr<TYsObj> createObject(int typeId)
{
    try {
        std::unique_ptr<TYsObj> obj;
        const auto it = creators().find(typeId);
        if (it != creators().end()) {
            obj = it->second();
        } else {
            obj = std::make_unique<TYsObj>();
        }
        obj->TypeId = typeId;
        return obj;
    } catch (const std::exception&) {
        throw YsError(QStringLiteral("创建脚手架对象时出现错误！"));
    }
}

TYsObj* CreateObjectOfType(int typeId, TYsProject& project)
{
    return project.addObject(createObject(typeId));
}
