// Images are found relative to the material library that names them, as
// exporters write them; a path from another machine (a drive letter, an
// absolute folder) is tried by its file name beside the library as well.
#include "MaterialMapping.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "Canvas.h"
#include "ExportText.h"
#include "ImageDecoding.h"
#include "PngFile.h"

namespace {

namespace fs = std::filesystem;

constexpr int kColourPictureSide = 8;
// The default material's colour: light enough to show the level's shading.
const Point3 kDefaultColour{0.75, 0.75, 0.75};

// What the game's "%s" and the search path take in a name.
std::string plainName(std::string_view name) {
    std::string plain(name);
    for (char& c : plain) {
        const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.';
        if (!kept) {
            c = '_';
        }
    }
    return plain.empty() ? "_" : plain;
}

std::string unusedName(std::string name, std::set<std::string>& taken) {
    const fs::path path(name);
    const std::string stem = path.stem().string(), extension = path.extension().string();
    for (int n = 2; !taken.insert(name).second; ++n) {
        name = stem + "_" + std::to_string(n) + extension;
    }
    return name;
}

std::string lowerExtension(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::vector<char> readBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), {});
}

class Mapper {
  public:
    Mapper(ExportScene& scene, const std::string& resourcesFolder, const std::string& levelName)
        : m_scene(scene), m_folder(resourcesFolder), m_levelName(plainName(levelName)) {}

    MaterialMapping run() {
        MaterialMapping mapping;
        std::set<std::string> names;
        for (std::size_t i = 0; i < m_scene.usedMaterials.size(); ++i) {
            const std::string& used = m_scene.usedMaterials[i];
            GameMaterial material;
            material.name = unusedName(plainName(used), names);
            mapping.counts.renamed += material.name != used;
            const ExportMaterial* defined = find(used);
            if (defined == nullptr) {
                m_scene.warnings.push_back({m_scene.objPath, m_scene.usedMaterialLines[i],
                                            "material \"" + used +
                                                "\" is used but no material library defines it; "
                                                "its faces get the plain grey of faces without "
                                                "a material"});
                material.texture = greyPicture();
            } else {
                describe(*defined, material, mapping.counts);
            }
            mapping.materials.push_back(material);
        }
        giveDefault(mapping, names);
        mapping.counts.imagesCopied = m_copied.size();
        return mapping;
    }

  private:
    void giveDefault(MaterialMapping& mapping, std::set<std::string>& names) {
        const auto index = static_cast<std::int32_t>(m_scene.usedMaterials.size());
        for (ExportPolygon& polygon : m_scene.polygons) {
            if (polygon.material < 0) {
                polygon.material = index;
                ++mapping.counts.facesGivenDefault;
            }
        }
        if (mapping.counts.facesGivenDefault == 0) {
            return;
        }
        GameMaterial material;
        material.name = unusedName(kDefaultMaterialName, names);
        material.texture = greyPicture();
        m_scene.usedMaterials.push_back(material.name);
        m_scene.usedMaterialLines.push_back(0);
        mapping.materials.push_back(material);
    }

    const ExportMaterial* find(const std::string& name) const {
        for (const ExportMaterial& material : m_scene.materials) {
            if (material.name == name) {
                return &material;
            }
        }
        return nullptr;
    }

    // An image that is lost on the way leaves the material its colour, which
    // exporters write beside the image: closer to the maker's look than none.
    // Without a colour either, it looks like a face without a material.
    void describe(const ExportMaterial& defined, GameMaterial& material, MaterialCounts& counts) {
        if (!defined.image.empty()) {
            material.texture = copyImage(defined);
            material.placement = defined.placement;
            counts.fromDiffuse += defined.imageFromDiffuse && !material.texture.empty();
        }
        if (material.texture.empty() && defined.diffuseColour) {
            material.texture = writeColour(defined.name, *defined.diffuseColour);
            counts.fromColour += 1;
        }
        if (material.texture.empty()) {
            material.texture = greyPicture();
        }
    }

    // The name in Resources, or empty when the image is missing or the game
    // could not decode it. An image several materials share is copied once.
    std::string copyImage(const ExportMaterial& material) {
        const fs::path source = locate(material);
        if (source.empty()) {
            warn(material, "image \"" + material.image + "\" not found");
            return "";
        }
        const auto known = m_copied.find(source.string());
        if (known != m_copied.end()) {
            return known->second;
        }
        const std::vector<char> bytes = readBytes(source);
        if (!gameCanDecode(bytes)) {
            warn(material, "image \"" + material.image + "\" cannot be decoded by the game");
            return "";
        }
        const std::string name = unusedName(m_levelName + "_" + plainName(source.stem().string()) +
                                                lowerExtension(source),
                                            m_names);
        std::error_code error;
        fs::create_directories(m_folder, error);
        std::ofstream(m_folder / name, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!fs::is_regular_file(m_folder / name, error)) {
            throw ConvertError((m_folder / name).string(), 0, "cannot be written");
        }
        m_copied[source.string()] = name;
        return name;
    }

    fs::path locate(const ExportMaterial& material) const {
        const fs::path folder = fs::path(material.library).parent_path();
        const fs::path written(material.image);
        std::error_code ignored;
        for (const fs::path& candidate : {folder / written, folder / written.filename()}) {
            if (fs::is_regular_file(candidate, ignored)) {
                return candidate.lexically_normal();
            }
        }
        return {};
    }

    std::string writeColour(const std::string& materialName, const Point3& colour) {
        const auto channel = [](double c) {
            return static_cast<std::uint8_t>(std::lround(std::clamp(c, 0.0, 1.0) * 255));
        };
        const Canvas picture(kColourPictureSide, kColourPictureSide,
                             {channel(colour.x), channel(colour.y), channel(colour.z)});
        const std::string name =
            unusedName(m_levelName + "_" + plainName(materialName) + "_colour.png", m_names);
        std::error_code error;
        fs::create_directories(m_folder, error);
        try {
            writePng((m_folder / name).string(), picture);
        } catch (const std::runtime_error& failure) {
            throw ConvertError((m_folder / name).string(), 0, "cannot be written");
        }
        return name;
    }

    // One plain grey picture serves every face its maker left without a
    // look the game can show, so that none is drawn untextured (white).
    const std::string& greyPicture() {
        if (m_greyPicture.empty()) {
            m_greyPicture = writeColour(kDefaultMaterialName, kDefaultColour);
        }
        return m_greyPicture;
    }

    void warn(const ExportMaterial& material, const std::string& what) {
        const char* outcome = material.diffuseColour
                                  ? "\" gets a picture of its Kd colour"
                                  : "\" gets the plain grey of faces without a material";
        m_scene.warnings.push_back({material.library, material.imageLine,
                                    what + "; material \"" + material.name + outcome});
    }

    ExportScene& m_scene;
    fs::path m_folder;
    std::string m_levelName;
    std::map<std::string, std::string> m_copied;
    std::string m_greyPicture;
    std::set<std::string> m_names;
};

} // namespace

MaterialMapping mapMaterials(ExportScene& scene, const std::string& resourcesFolder,
                             const std::string& levelName) {
    return Mapper(scene, resourcesFolder, levelName).run();
}
