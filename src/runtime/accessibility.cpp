#include "runtime/accessibility.h"

#include "core/texts.h"
#include "runtime/control.h"
#include "runtime/platform.h"
#include "runtime/text.h"
#include "runtime/widgets.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <string>

namespace rt {

namespace {

// A screen reader at its usual pace says about fourteen characters a second.
constexpr qint64 msPerCharacter = 70;

// Where a screen reader hears the game: through Qt's accessibility while the platform tells
// that one listens; in the browser, to which Qt 6.4 has no bridge, through the page's live
// region, whether or not one listens. While one may, each window says what it is as it becomes
// active, once the focus has come with the activation: its description, which takes the place
// of the focused control's name, which may tell a listener nothing. In the page the game also
// says what a screen reader says itself of a window: its title and what it shows; and the
// button the focus moves to.
class Listening : public QObject, public QAccessible::ActivationObserver {
public:
    explicit Listening(platform::LiveRegion region)
        : region_(region)
    {
        if (!region)
            return;
        qApp->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, &Listening::focusMoved);
    }

    bool hears(const QWidget* window) const
    {
        return (active_ || region_) && window->isActiveWindow();
    }

    platform::LiveRegion region() const { return region_; }

    void accessibilityActiveChanged(bool active) override
    {
        active_ = active;
        if (region_)
            return;
        if (active)
            qApp->installEventFilter(this);
        else
            qApp->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::WindowActivate)
            return false;
        auto* window = dynamic_cast<FormWindow*>(watched);
        if (window && hears(window))
            QTimer::singleShot(0, window, [this, window] { introduce(window); });
        return false;
    }

private:
    void introduce(FormWindow* window) const;
    void focusMoved(QWidget* from, QWidget* to) const;

    platform::LiveRegion region_;
    bool active_ = false;
};

Listening* listening = nullptr;

void say(QWidget* window, const QString& text, std::string_view topic);

class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(ControlView* view, QAccessible::Role role)
        : QAccessibleWidget(view, role)
        , control_(view->control())
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        if (control_.kind() == Kind::Label)
            return QString::fromStdString(control_.caption());
        return translated(control_.design().accessibleName, -1, "picture");
    }

private:
    const Control& control_;
};

// Qt sends no event for an object that has no valid interface.
class Decoration : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    bool isValid() const override { return false; }
};

// A sentence a window says: no widget of its own, but a line of the window that takes the
// focus. A window has two, said in turn, so that a screen reader takes each sentence for a
// new place of the focus, and says it. This stands in for an announcement, which Qt 6.4 cannot
// make; Qt 6.8 has QAccessibleAnnouncementEvent for it.
class SpokenLine : public QAccessibleInterface {
public:
    explicit SpokenLine(QWidget* window)
        : window_(window)
    {
    }

    QString sentence;
    bool current = false;

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_->windowHandle(); }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(window_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? sentence : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    // Read by name alone.
    QAccessible::Role role() const override { return QAccessible::Client; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = current;
        return state;
    }

private:
    QWidget* window_;
};

QAccessible::Role roleFor(ReadAs readAs)
{
    switch (readAs) {
    case ReadAs::Dialog:
        return QAccessible::Dialog;
    case ReadAs::Alert:
        return QAccessible::AlertMessage;
    case ReadAs::Window:
        break;
    }
    return QAccessible::Client;
}

// A screen's window: its controls but those that decorate, and the two lines it speaks.
class AccessibleWindow : public QAccessibleWidget {
public:
    explicit AccessibleWindow(FormWindow* window)
        : QAccessibleWidget(window, roleFor(window->design().readAs))
        , lines_{new SpokenLine(window), new SpokenLine(window)}
    {
        clock_.start();
        for (SpokenLine* line : lines_)
            QAccessible::registerAccessibleInterface(line);
    }

    ~AccessibleWindow() override
    {
        for (SpokenLine* line : lines_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(line));
    }

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override { return children().value(index); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(children().indexOf(child));
    }

    void say(const QString& sentence, std::string_view topic)
    {
        const qint64 now = clock_.elapsed();
        saying_.removeIf([topic, now](const Said& said) {
            return said.heardAt <= now || said.topic.empty() || said.topic == topic;
        });
        saying_.prepend({std::string(topic), sentence});
        QString utterance;
        for (Said& said : saying_) {
            utterance += (utterance.isEmpty() ? "" : " ") + said.sentence;
            said.heardAt = now + utterance.size() * msPerCharacter;
        }
        if (const platform::LiveRegion region = listening->region()) {
            region(utterance, role() == QAccessible::AlertMessage);
            return;
        }

        std::swap(lines_[0], lines_[1]);
        lines_[0]->current = false;
        lines_[1]->current = true;
        lines_[1]->sentence = utterance;
        QAccessibleEvent focus(widget(), QAccessible::Focus);
        focus.setChild(indexOfChild(lines_[1]));
        QAccessible::updateAccessibility(&focus);
    }

private:
    // A sentence, and when the screen reader will have said it all, unless it is cut short.
    struct Said {
        std::string topic;
        QString sentence;
        qint64 heardAt = 0;
    };

    // The controls but those that decorate, and the lines said so far.
    QList<QAccessibleInterface*> children() const
    {
        QList<QAccessibleInterface*> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* control = QAccessibleWidget::child(i);
            if (control && control->isValid())
                children << control;
        }
        for (SpokenLine* line : lines_) {
            if (!line->sentence.isEmpty())
                children << line;
        }
        return children;
    }

    SpokenLine* lines_[2];
    // What the screen reader may still be saying.
    QList<Said> saying_;
    QElapsedTimer clock_;
};

QAccessibleInterface* accessibleControl(const QString&, QObject* object)
{
    if (auto* window = dynamic_cast<FormWindow*>(object))
        return new AccessibleWindow(window);
    auto* view = dynamic_cast<ControlView*>(object);
    if (!view)
        return nullptr;
    switch (view->control().kind()) {
    case Kind::Label:
        return new AccessibleControl(view, QAccessible::StaticText);
    case Kind::PictureBox:
        if (!view->control().design().accessibleName.empty())
            return new AccessibleControl(view, QAccessible::Graphic);
        [[fallthrough]];
    default:
        return new Decoration(view);
    }
}

void say(QWidget* window, const QString& text, std::string_view topic)
{
    static_cast<AccessibleWindow*>(QAccessible::queryAccessibleInterface(window))->say(text, topic);
}

// The name a screen reader gives the control, and its role where it is a button.
QString named(QWidget* control)
{
    const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    //: What a screen reader says of the button the focus comes to: "Level 2, button".
    return qobject_cast<QAbstractButton*>(control)
               ? translated(NC_("Quillory", "%1, button")).arg(name)
               : name;
}

// In the page, each part a line of its own.
void Listening::introduce(FormWindow* window) const
{
    if (!region_) {
        if (window->description)
            say(window, spoken(window->description()), {});
        return;
    }
    QStringList heard{window->windowTitle()};
    if (window->description) {
        heard << spoken(window->description());
    } else if (window->design().readAs == ReadAs::Window) {
        if (QWidget* focus = window->focusWidget())
            heard << named(focus);
    } else {
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(window);
        for (int i = 0; i < shown->childCount(); ++i) {
            if (shown->child(i)->role() == QAccessible::StaticText)
                heard << shown->child(i)->text(QAccessible::Name);
        }
    }
    say(window, heard.join('\n'), {});
}

void Listening::focusMoved(QWidget* from, QWidget* to) const
{
    if (from && to && from->window() == to->window() && hears(to->window()))
        say(to->window(), named(to), "focus");
}

} // namespace

void makeControlsAccessible()
{
    QAccessible::installFactory(accessibleControl);
    static Listening observer(platform::liveRegion());
    listening = &observer;
    listening->accessibilityActiveChanged(QAccessible::isActive());
    QAccessible::installActivationObserver(listening);
}

void say(QWidget* window, const Sentence& sentence, std::string_view topic)
{
    if (listening && listening->hears(window))
        say(window, spoken(sentence), topic);
}

} // namespace rt
