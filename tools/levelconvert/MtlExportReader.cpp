// Of a material the game shows only one image, so the reader keeps the
// ambient map, or else the diffuse one, with the options that move the image
// on the surface, and the diffuse colour for materials without an image.
#include "MtlExportReader.h"

#include <algorithm>
#include <cstdlib>

#include "ExportText.h"
#include "LevelText.h"

namespace {

using exporttext::restAfter;

// How many values each texture map option takes (the MTL description's
// list); "-o", "-s" and "-t" take one to three numbers.
struct MapOption {
    const char* name;
    int values;
};
constexpr MapOption kMapOptions[] = {{"-blendu", 1}, {"-blendv", 1}, {"-boost", 1}, {"-mm", 2},
                                     {"-texres", 1}, {"-clamp", 1},  {"-bm", 1},    {"-imfchan", 1},
                                     {"-type", 1},   {"-cc", 1}};

class MtlExportParser {
  public:
    MtlExportParser(const std::string& path, ExportScene& scene) : m_path(path), m_scene(scene) {}

    void read() {
        const std::string text = exporttext::readWholeFile(m_path);
        m_scene.libraries.push_back(m_path);
        exporttext::StatementReader statements(text);
        std::string_view statement;
        while (statements.next(statement)) {
            m_line = statements.line();
            readStatement(statement);
        }
    }

  private:
    void readStatement(std::string_view statement) {
        const std::string_view keyword = exporttext::keywordOf(statement);
        const std::string_view rest = restAfter(statement, keyword);
        if (keyword == "newmtl") {
            if (rest.empty()) {
                fail("\"newmtl\" needs a material name");
            }
            m_scene.materials.push_back({std::string(rest), m_path, m_line, "", 0, false, {}, {}});
        } else if (keyword == "map_Ka" || keyword == "map_Kd") {
            readMap(keyword == "map_Kd", rest);
        } else if (keyword == "Kd") {
            readColour(rest);
        } else if (keyword.rfind("map_", 0) == 0 || keyword == "bump" || keyword == "disp" ||
                   keyword == "decal" || keyword == "refl" || keyword == "norm") {
            m_scene.passedOver.push_back({m_path, m_line, std::string(statement)});
        }
    }

    ExportMaterial& current(std::string_view keyword) {
        if (m_scene.materials.empty() || m_scene.materials.back().library != m_path) {
            fail(std::string(keyword) + " before any \"newmtl\"");
        }
        return m_scene.materials.back();
    }

    void readMap(bool diffuse, std::string_view rest) {
        ExportMaterial& material = current(diffuse ? "map_Kd" : "map_Ka");
        MapPlacement placement;
        const std::string image = unquoted(readOptions(rest, placement));
        if (image.empty()) {
            fail("a texture map needs a file name");
        }
        // The ambient map is the one the game reads, whatever the order.
        if (diffuse && !material.image.empty() && !material.imageFromDiffuse) {
            return;
        }
        material.image = image;
        std::replace(material.image.begin(), material.image.end(), '\\', '/');
        material.imageLine = m_line;
        material.imageFromDiffuse = diffuse;
        material.placement = placement;
    }

    // Skips the options before the file name, keeping "-o" and "-s"; what
    // follows them is the file name, spaces and all.
    std::string_view readOptions(std::string_view rest, MapPlacement& placement) {
        while (!rest.empty() && rest[0] == '-') {
            const std::string_view option = exporttext::keywordOf(rest);
            rest = restAfter(rest, option);
            if (option == "-o" || option == "-s" || option == "-t") {
                Point3 values = option == "-s" ? Point3{1, 1, 1} : Point3{0, 0, 0};
                rest = readUpToThree(rest, values);
                if (option == "-o") {
                    placement.offset = values;
                } else if (option == "-s") {
                    placement.scale = values;
                }
                continue;
            }
            const auto* known = std::find_if(std::begin(kMapOptions), std::end(kMapOptions),
                                             [&](const MapOption& o) { return option == o.name; });
            if (known == std::end(kMapOptions)) {
                fail("unknown texture map option " + std::string(option));
            }
            for (int i = 0; i < known->values; ++i) {
                if (rest.empty()) {
                    fail("texture map option " + std::string(option) + " needs a value");
                }
                rest = restAfter(rest, exporttext::keywordOf(rest));
            }
        }
        return rest;
    }

    // One to three numbers; the first word that is not wholly a number ends
    // them (a file name such as "1.png" included).
    std::string_view readUpToThree(std::string_view rest, Point3& values) {
        double* fields[3] = {&values.x, &values.y, &values.z};
        for (int i = 0; i < 3; ++i) {
            const std::string_view word = exporttext::keywordOf(rest);
            if (!wholeNumber(word, *fields[i])) {
                if (i == 0) {
                    fail("a texture map option needs a number");
                }
                break;
            }
            rest = restAfter(rest, word);
        }
        return rest;
    }

    static bool wholeNumber(std::string_view word, double& value) {
        const std::string text(word);
        char* end = nullptr;
        value = std::strtod(text.c_str(), &end);
        return !text.empty() && end == text.c_str() + text.size();
    }

    static std::string unquoted(std::string_view name) {
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
            name = name.substr(1, name.size() - 2);
        }
        return std::string(name);
    }

    void readColour(std::string_view rest) {
        ExportMaterial& material = current("Kd");
        leveltext::FieldReader reader(rest);
        float r = 0, g = 0, b = 0;
        // "Kd spectral" and "Kd xyz" name no colour the game could show.
        if (!reader.readFloat(r)) {
            return;
        }
        // One number is a grey.
        if (!reader.readFloat(g) || !reader.readFloat(b)) {
            g = b = r;
        }
        material.diffuseColour = Point3{r, g, b};
    }

    [[noreturn]] void fail(const std::string& what) const {
        throw ConvertError(m_path, m_line, what);
    }

    const std::string& m_path;
    ExportScene& m_scene;
    std::size_t m_line = 0;
};

} // namespace

void readMtlExport(const std::string& mtlPath, ExportScene& scene) {
    MtlExportParser(mtlPath, scene).read();
}
