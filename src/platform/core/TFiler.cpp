#include "platform/core/TFiler.h"

namespace vcl {

void TFiler::RunAtEndActions()
{
    auto actions = std::move(m_atEnd);
    m_atEnd.clear();
    for (auto& action : actions)
        action();
}

} // namespace vcl
