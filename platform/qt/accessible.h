// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QLatin1String>
#include <QString>

namespace zelvan {

// Gives every widget of class Widget the accessible interface Interface, which
// is made from a Widget *. The factory is installed once per process.
template <class Widget, class Interface>
void InstallAccessibleInterface()
{
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString &className, QObject *object) -> QAccessibleInterface * {
                if (className == QLatin1String(Widget::staticMetaObject.className()) && object &&
                    object->isWidgetType())
                    return new Interface(static_cast<Widget *>(object));
                return nullptr;
            });
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace zelvan
