#pragma once

#include "Bindings.h"
#include "TMyList.h"

#include <QString>
#include <QStringList>

class TYsProject;

// Base of everything that hangs in a project tree. Folders are plain TYsObj; every scaffold or support kind is a
// descendant that adds its parameters (through its binding table) and its calculation.
class TYsObj
{
public:
    TYsObj();
    virtual ~TYsObj();
    TYsObj(const TYsObj&) = delete;
    TYsObj& operator=(const TYsObj&) = delete;

    QString Caption;                   // name in the tree and in the report title
    bool deleted = false;              // deleted since the project was opened: never shown, never written
    qint32 Index = -1;                 // identity inside the project, unique among live objects
    bool Modified = false;             // the parameter page was edited and not yet written back
    qint32 P_index = -1;               // Index of the parent folder; -1 = under the project root
    qint32 TypeId = 1;                 // kind of object; 1 (or less) is a folder
    TYsProject* myActivePrj = nullptr; // the project whose information block goes into the report

    TMyList PropList;
    QString PicPath; // the report pictures' folder, with a trailing slash

    // Fills the fields from PropList. A missing base key reads as its empty value; a missing parameter key keeps
    // the field's current value (an older file never turns a spacing into 0). A value that does not convert
    // leaves its field unchanged, the other keys are still read, and false is returned (see badKeys()).
    virtual bool LoadFromPropList();
    // Clears PropList and writes the base keys, the kind's parameters and the entries this program does not know
    // (kept from the last load, so nothing read from a file is lost).
    virtual bool StoreToPropList();
    // Per-kind default values in update.ini; the base and the kinds without defaults do nothing. False with
    // `error` set when update.ini cannot be read or written.
    virtual bool LoadDefaults(QString* error = nullptr);
    virtual bool SaveDefaults(QString* error = nullptr);

    // The kind code whose row of the kinds table this class belongs to (its defaults section); 1 for the base.
    virtual int KindCode() const { return 1; }
    // The whole table: the four base keys, then the kind's own.
    virtual const BindingTable<TYsObj>& Bindings() const;
    static const BindingTable<TYsObj>& BaseBindings();

    // Keys of the last LoadFromPropList whose values did not convert.
    const QStringList& badKeys() const { return m_badKeys; }
    // Entries of the last loaded list that no binding reads, written back unchanged.
    const TMyList& unknownEntries() const { return m_unknown; }

    bool isFolder() const { return TypeId <= 1; }

private:
    TMyList m_unknown;
    QStringList m_badKeys;
};
