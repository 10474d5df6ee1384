#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QWidget>
#include <optional>

// The accessible tree of a window as the AT-SPI bridge hands it to screen
// readers: walked child by child from the window, without what is hidden.

inline QList<QAccessibleInterface *> reachableInterfaces(QWidget *window) {
    QList<QAccessibleInterface *> reached;
    QList<QAccessibleInterface *> pending{QAccessible::queryAccessibleInterface(window)};
    while (!pending.isEmpty()) {
        QAccessibleInterface *node = pending.takeFirst();
        if (node->state().invisible)
            continue;
        reached.append(node);
        for (int index = 0; index < node->childCount(); ++index)
            pending.append(node->child(index));
    }
    return reached;
}

// The first interface reached under the name, or nullptr.
inline QAccessibleInterface *reachableByName(QWidget *window, const QString &name) {
    for (QAccessibleInterface *node : reachableInterfaces(window)) {
        if (node->text(QAccessible::Name) == name)
            return node;
    }
    return nullptr;
}

// What a control shows, and whether the user types it (a field) or reads it.
struct ShownText {
    QString text;
    bool field = false;
};

inline std::optional<ShownText> shownTextOf(const QWidget *widget) {
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return ShownText{label->text()};
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return ShownText{button->text()};
    if (const auto *line = qobject_cast<const QLineEdit *>(widget))
        return ShownText{line->text(), true};
    if (const auto *text = qobject_cast<const QPlainTextEdit *>(widget))
        return ShownText{text->toPlainText(), true};
    return std::nullopt;
}

// The labels, buttons and fields on screen in the window that a screen reader
// cannot reach, or cannot read with the text the window shows: a label or a
// button must be named with its text (a day cell's name holds its caption),
// a field must be named and give its text as its value. One line per fault.
inline QStringList unreadableControls(QWidget *window) {
    QSet<QObject *> reached;
    for (QAccessibleInterface *node : reachableInterfaces(window))
        reached.insert(node->object());
    QStringList faults;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const std::optional<ShownText> shown = shownTextOf(widget);
        if (!shown || !widget->isVisible() || (shown->text.isEmpty() && !shown->field))
            continue;
        const QString where = widget->objectName().isEmpty() ? shown->text : widget->objectName();
        if (!reached.contains(widget)) {
            faults << where + QStringLiteral(": not reachable");
            continue;
        }
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        const QString name = accessible->text(QAccessible::Name);
        const QString value = accessible->text(QAccessible::Value);
        if (!shown->field && !name.contains(shown->text))
            faults << where + QStringLiteral(": named \"%1\"").arg(name);
        if (shown->field && name.isEmpty())
            faults << where + QStringLiteral(": a field without a name");
        if (shown->field && value != shown->text)
            faults << where + QStringLiteral(": value \"%1\"").arg(value);
    }
    return faults;
}

// What a screen reader reads in the window, its name, description and value
// of each node, that holds a Japanese character besides the `data` (a note, a
// medium's own label): one line per node. Under a language other than
// Japanese every such text is a fault.
inline QStringList japaneseTexts(QWidget *window, const QStringList &data = {}) {
    static const QRegularExpression japanese(
        QStringLiteral(u"[\u3000-\u30ff\u3400-\u4dbf\u4e00-\u9fff\uff00-\uffef]"));
    QStringList found;
    for (QAccessibleInterface *node : reachableInterfaces(window)) {
        for (const QAccessible::Text kind :
             {QAccessible::Name, QAccessible::Description, QAccessible::Value}) {
            QString text = node->text(kind);
            for (const QString &datum : data)
                text.remove(datum);
            if (text.contains(japanese))
                found << node->text(kind);
        }
    }
    return found;
}
