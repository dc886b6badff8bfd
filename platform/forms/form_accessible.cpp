#include "form_accessible.h"

#include "form.h"

#include <QAccessibleWidget>

namespace platform {

namespace {

class FormAccessible : public QAccessibleWidget
{
public:
    explicit FormAccessible(Form *form) : QAccessibleWidget(form, form->accessibleRole()) {}

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = widget()->isModal();
        return state;
    }
};

QAccessibleInterface *FormAccessibleFactory(const QString & /*className*/, QObject *object)
{
    if (auto *form = qobject_cast<Form *>(object))
        return new FormAccessible(form);
    return nullptr;
}

} // namespace

void InstallFormAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(FormAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace platform
