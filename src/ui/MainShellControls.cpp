#include "ui/MainShellControls.h"

void MainShellControls::Forget(const vcl::TComponent* gone)
{
    for (auto& [component, clear] : m_kept) {
        if (component == gone) {
            clear();
            component = nullptr;
        }
    }
}
