// Audio start-up and the per-pass update. For now the system only brings
// itself up and asks the resource manager for its sounds, as the full audio
// system will at the end of its start-up.
#pragma once

class ApplicationController;

class AudioSystem {
  public:
    explicit AudioSystem(ApplicationController* appController);
    virtual ~AudioSystem();
    AudioSystem(const AudioSystem&) = delete;
    AudioSystem& operator=(const AudioSystem&) = delete;

    void initialize(int driver);
    void uninitialize();
    void update();
    bool getInitialized() const { return m_initialized; }

  private:
    bool m_initialized;
    ApplicationController* m_appController;
};
