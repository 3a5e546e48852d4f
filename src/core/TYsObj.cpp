#include "TYsObj.h"

#include "AppPaths.h"
#include "IniFile.h"
#include "Kinds.h"
#include "YsError.h"

TYsObj::TYsObj()
    : Caption(QStringLiteral("脚手架"))
{
    PicPath = AppPaths::picPath();
    if (PicPath.isEmpty()) {
        throw YsError(QStringLiteral("PicPath  Error!"));
    }
}

TYsObj::~TYsObj() = default;

const BindingTable<TYsObj>& TYsObj::BaseBindings()
{
    static const BindingTable<TYsObj> table = [] {
        BindingTable<TYsObj> t;
        t.add(QStringLiteral("caption"), &TYsObj::Caption).emptyWhenMissing();
        t.add(QStringLiteral("index"), &TYsObj::Index).emptyWhenMissing();
        t.add(QStringLiteral("P_index"), &TYsObj::P_index).emptyWhenMissing();
        t.add(QStringLiteral("typeid"), &TYsObj::TypeId).emptyWhenMissing();
        return t;
    }();
    return table;
}

const BindingTable<TYsObj>& TYsObj::Bindings() const
{
    return BaseBindings();
}

bool TYsObj::LoadFromPropList()
{
    const BindingTable<TYsObj>& table = Bindings();
    m_badKeys = table.load(*this, PropList);
    TMyList unknown;
    for (int i = 0; i < PropList.Count(); ++i) {
        if (!table.find(PropList.name(i))) {
            unknown.AddValue(PropList.name(i), PropList.record(i).Value);
        }
    }
    m_unknown = std::move(unknown);
    return m_badKeys.isEmpty();
}

bool TYsObj::StoreToPropList()
{
    PropList.Clear();
    Bindings().store(*this, PropList);
    for (int i = 0; i < m_unknown.Count(); ++i) {
        PropList.AddValue(m_unknown.name(i), m_unknown.record(i).Value);
    }
    return true;
}

bool TYsObj::LoadDefaults(QString* error)
{
    const KindInfo* kind = kindInfo(KindCode());
    if (!kind || kind->readSection.isEmpty()) {
        return true;
    }
    StoreToPropList();
    IniFile ini;
    if (!ini.load(AppPaths::updateIniPath(), error)) {
        return false;
    }
    const int n = PropList.Count();
    for (int i = 0; i < n; ++i) {
        const QString name = PropList.name(i);
        const QString text = ini.value(kind->readSection, name);
        if (!text.isEmpty()) {
            PropList.AddValue(name, text);
        }
    }
    // The object keeps its own identity whatever the section holds.
    const QString caption = Caption;
    const qint32 index = Index;
    const qint32 parent = P_index;
    const qint32 type = TypeId;
    LoadFromPropList();
    Caption = caption;
    Index = index;
    P_index = parent;
    TypeId = type;
    return true;
}

bool TYsObj::SaveDefaults(QString* error)
{
    const KindInfo* kind = kindInfo(KindCode());
    if (!kind || kind->writeSection.isEmpty()) {
        return true;
    }
    StoreToPropList();
    IniFile ini;
    if (!ini.load(AppPaths::updateIniPath(), error)) {
        return false;
    }
    for (int i = 0; i < PropList.Count(); ++i) {
        const QString& name = PropList.name(i);
        ini.setValue(kind->writeSection, name, PropList.FindItem(name)->Value.toText());
    }
    return ini.save(error);
}
