// The owner of every loaded resource. Until the resource kinds exist it only
// keeps the initialisation contract: every service refuses, with its
// message, before initialize().
#pragma once

class ApplicationController;

class ResourceManager {
  public:
    explicit ResourceManager(ApplicationController* appController);
    virtual ~ResourceManager();
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    void initialize();
    bool getInitialized() const { return m_initialized; }
    void unloadTextures();
    void reloadTextures();
    void unloadSounds();
    void reloadSounds();
    ApplicationController* getApplicationController() const { return m_appController; }

  private:
    bool refuseBeforeInitialize(const char* operation) const;

    bool m_initialized;
    ApplicationController* m_appController;
};
