// Construction state shared by every resource kind: not loaded until the kind
// loads its data.
#include "Resources/Resource.h"

Resource::Resource(ApplicationController* appController)
    : m_appController(appController), m_loaded(false) {}

Resource::~Resource() = default;

bool Resource::getLoaded() const {
    return m_loaded;
}
