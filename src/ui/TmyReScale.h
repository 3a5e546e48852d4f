#pragma once
// Used by the main window and every project window when they are created (loadLayout).

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Restores (and, to prepare a layout file, saves) the positions, sizes and fonts of a window's controls from an
// INI file with one section per screen resolution ("1024*768"). Keys are control paths "grandparent>parent>name"
// ("nil>" when there is no grandparent); values "top,left,height,width" and, for edits, labels and buttons, the
// font's face and size.
class TmyReScale : public QObject
{
    Q_OBJECT
public:
    explicit TmyReScale(QObject* parent = nullptr);

    QString InifileName;
    QPointer<QWidget> YsOwnerForm;
    QString SectionName;
    int ScreenWidth = 0;
    int ScreenHeight = 0;

    // Applies the section of the current screen size. A control without entry, or with an entry that does not
    // read, keeps its designed layout. False when the file exists but cannot be read.
    bool load();
    // Rewrites every named control's entry of the section (nothing inside an option group).
    bool save();

    // The key of `control`.
    static QString keyOf(const QWidget* control);

    // Creates the store for `form` (owned by it) with the primary screen's size and loads `iniFile`.
    static TmyReScale* create(QWidget* form, const QString& iniFile);
    // Loads the program's config.ini into `form` when the file is present.
    static void loadLayout(QWidget* form);
};
