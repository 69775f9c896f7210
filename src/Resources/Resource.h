// The common base of every loaded asset (texture, sprite, sound, font).
//
// The resource registry only needs to release and restore an asset's loaded
// data around the loss of a graphics or sound context; everything else about
// a resource belongs to its concrete kind.
#pragma once

class ApplicationController;

class Resource {
  public:
    explicit Resource(ApplicationController* appController);
    Resource(const Resource&) = delete;
    Resource& operator=(const Resource&) = delete;
    virtual ~Resource();

    // Releases the loaded data and clears the loaded flag.
    virtual void unload() = 0;
    // Loads again what unload() released.
    virtual void reload() = 0;

    bool getLoaded() const;

  protected:
    ApplicationController* m_appController;
    bool m_loaded;
};
