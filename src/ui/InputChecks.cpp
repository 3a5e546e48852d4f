#include "InputChecks.h"

#include "TYsEdit.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "report/PictureStore.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

bool g_inputError = false;

const char* const kExitHandlerName = "yunshan_exitHandler";
const char* const kKeyFilterName = "yunshan_keyFilter";
const char* const kEnterCheckName = "yunshan_enterCheck";
const char* const kFocusMarkName = "yunshan_focusMark";
const char* const kCheckedProperty = "yunshan_editChecksInstalled";

void reject(QLineEdit* edit, const QString& message)
{
    ShowWarning(message);
    edit->selectAll();
    edit->setFocus();
    g_inputError = true;
}

// Runs a handler when its edit loses the focus to another control of the same window.
class ExitHandler : public QObject
{
public:
    ExitHandler(QLineEdit* edit, std::function<void()> handler)
        : QObject(edit)
        , m_handler(std::move(handler))
    {
        setObjectName(QLatin1String(kExitHandlerName));
        edit->installEventFilter(this);
    }

    void run()
    {
        if (m_running || !m_handler) {
            return;
        }
        m_running = true;
        m_handler();
        m_running = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                run();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
    bool m_running = false;
};

ExitHandler* exitHandlerOf(const QLineEdit* edit)
{
    return edit->findChild<ExitHandler*>(QLatin1String(kExitHandlerName), Qt::FindDirectChildrenOnly);
}

class KeyFilter : public QObject
{
public:
    explicit KeyFilter(QObject* parent)
        : QObject(parent)
    {
        setObjectName(QLatin1String(kKeyFilterName));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString t = key->text();
            if (t.size() == 1 && t.at(0).isPrint()) {
                const QChar c = t.at(0);
                const bool accepted = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
                return !accepted;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

class EnterCheck : public QObject
{
public:
    explicit EnterCheck(QLineEdit* edit)
        : QObject(edit)
        , m_edit(edit)
    {
        setObjectName(QLatin1String(kEnterCheckName));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                runExitHandler(m_edit);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* m_edit;
};

class FocusMark : public QObject
{
public:
    FocusMark(QObject* parent, std::function<void()> markModified)
        : QObject(parent)
        , m_markModified(std::move(markModified))
    {
        setObjectName(QLatin1String(kFocusMarkName));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && m_markModified) {
            m_markModified();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_markModified;
};

template<class Filter> bool hasFilter(const QObject* object, const char* name)
{
    return object->findChild<Filter*>(QLatin1String(name), Qt::FindDirectChildrenOnly) != nullptr;
}

bool isOptionGroup(const QWidget* w)
{
    const auto* box = qobject_cast<const QGroupBox*>(w);
    return box && box->findChild<QRadioButton*>() != nullptr;
}

} // namespace

bool InputError()
{
    return g_inputError;
}

void setInputError(bool error)
{
    g_inputError = error;
}

bool CheckRealInput(QLineEdit* edit, double min, double max)
{
    g_inputError = false;
    const QString text = edit->text().trimmed();
    if (text.isEmpty()) {
        reject(edit, QStringLiteral("输入不能为空！"));
        return false;
    }
    const auto v = textToReal(text);
    if (!v) {
        reject(edit, QStringLiteral("输入数据出错，或超出数据范围！"));
        return false;
    }
    if (*v < min || *v > max) {
        reject(edit,
               QStringLiteral("请输入 ") + realToText(min) + QStringLiteral(" 到 ") + realToText(max)
                   + QStringLiteral(" 之间的数！"));
        return false;
    }
    return true;
}

bool CheckIntInput(QLineEdit* edit, int min, int max)
{
    g_inputError = false;
    const QString text = edit->text().trimmed();
    if (text.isEmpty()) {
        reject(edit, QStringLiteral("输入不能为空！"));
        return false;
    }
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok) {
        reject(edit, QStringLiteral("请输入一个整数，或超出数据范围！"));
        return false;
    }
    if (n < min || n > max) {
        reject(edit,
               QStringLiteral("请输入 ") + integerToText(min) + QStringLiteral(" 到 ") + integerToText(max)
                   + QStringLiteral(" 之间的整数！"));
        return false;
    }
    return true;
}

void setExitHandler(QLineEdit* edit, std::function<void()> handler)
{
    if (auto* ys = qobject_cast<TYsEdit*>(edit)) {
        ys->setOnExit(std::move(handler));
        return;
    }
    delete exitHandlerOf(edit);
    if (handler) {
        new ExitHandler(edit, std::move(handler));
    }
}

bool hasExitHandler(const QLineEdit* edit)
{
    // A numeric edit always checks itself on leaving.
    return qobject_cast<const TYsEdit*>(edit) != nullptr || exitHandlerOf(edit) != nullptr;
}

void runExitHandler(QLineEdit* edit)
{
    if (auto* ys = qobject_cast<TYsEdit*>(edit)) {
        ys->runExit();
    } else if (auto* handler = exitHandlerOf(edit)) {
        handler->run();
    }
}

void EditCheckProcedure(QLineEdit* edit)
{
    edit->setMaxLength(10);
    if (!hasFilter<KeyFilter>(edit, kKeyFilterName)) {
        edit->installEventFilter(new KeyFilter(edit));
    }
}

void EditEnterChecking(QLineEdit* edit)
{
    if (!hasFilter<EnterCheck>(edit, kEnterCheckName)) {
        edit->installEventFilter(new EnterCheck(edit));
    }
}

void EditCheckOnControls(QWidget* container, const std::function<void()>& markModified, bool doorFrameSelected)
{
    if (!container) {
        return;
    }
    const auto children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->property(kCheckedProperty).toBool()) {
            continue;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(child)) {
            EditCheckProcedure(edit);
            EditEnterChecking(edit);
            QObject::connect(edit, &QLineEdit::textEdited, edit, [markModified] {
                if (markModified) {
                    markModified();
                }
            });
        } else if (auto* combo = qobject_cast<QComboBox*>(child)) {
            QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [markModified] {
                if (markModified) {
                    markModified();
                }
            });
        } else if (isOptionGroup(child)) {
            if (doorFrameSelected) {
                continue; // not marked, so a later call for another kind installs it
            }
            child->installEventFilter(new FocusMark(child, markModified));
        } else if (qobject_cast<QRadioButton*>(child) || qobject_cast<QCheckBox*>(child)) {
            child->installEventFilter(new FocusMark(child, markModified));
        } else {
            continue;
        }
        child->setProperty(kCheckedProperty, true);
    }
}

bool CheckEditsOnClose(QWidget* container)
{
    if (!container) {
        return false;
    }
    g_inputError = false;
    const auto edits = container->findChildren<QLineEdit*>();
    for (QLineEdit* edit : edits) {
        if (!edit->isVisible() || !edit->isEnabled() || !hasExitHandler(edit)) {
            continue;
        }
        runExitHandler(edit);
        const auto* ys = qobject_cast<const TYsEdit*>(edit);
        if (g_inputError || (ys && ys->hasError())) {
            g_inputError = true;
            return true;
        }
    }
    return false;
}

namespace {
// The one picture window open at a time.
QPointer<QDialog> g_shownPicture;
} // namespace

void ClosePicture()
{
    if (g_shownPicture) {
        g_shownPicture->close();
        g_shownPicture->deleteLater();
    }
}

void ShowPicture(const QString& caption, const QString& file, QWidget* parent)
{
    QPointer<QDialog>& shown = g_shownPicture;
    if (file.trimmed().isEmpty()) {
        ShowWarning(QStringLiteral("要显示的示意图的路径或者文件名错误！"));
        return;
    }
    ClosePicture();
    auto* window = new QDialog(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(caption);
    auto* layout = new QVBoxLayout(window);
    auto* label = new QLabel(window);
    label->setAlignment(Qt::AlignCenter);
    const QImage image = PictureStore::load(file);
    if (image.isNull()) {
        label->setText(QStringLiteral("要显示的示意图的路径或者文件名错误！"));
    } else {
        label->setPixmap(QPixmap::fromImage(image));
    }
    layout->addWidget(label);
    window->adjustSize();
    if (parent) {
        window->move(parent->window()->geometry().center() - window->rect().center());
    }
    shown = window;
    window->show();
}

void SetEditHeights(QWidget* control, int height)
{
    if (!control) {
        return;
    }
    const auto edits = control->findChildren<QLineEdit*>();
    for (QLineEdit* edit : edits) {
        edit->setFixedHeight(height);
    }
}
