// MeshModel to the 3DS file through the project's 3DS writer.
#include "platform/format/ThreeDs.h"
#include "tools/demogen/Mesh.h"
#include "tools/demogen/Painter.h"

#include <cmath>
#include <stdexcept>

namespace demogen {

namespace {
uint8_t Channel(float v) {
    return uint8_t(std::lround(std::fmin(1.0f, std::fmax(0.0f, v)) * 255));
}
} // namespace

void MeshModel::Save(const std::string& gameDir, const std::string& rel) const {
    zw::ThreeDsFile file;
    for (const MeshMaterial& m : materials_) {
        zw::ThreeDsMaterial t;
        t.name = m.name;
        t.diffuse = {Channel(m.r), Channel(m.g), Channel(m.b)};
        t.ambient = {Channel(m.r * 0.4f), Channel(m.g * 0.4f), Channel(m.b * 0.4f)};
        t.specular = {40, 40, 40};
        t.textureFile = m.texture;
        file.materials.push_back(t);
    }
    for (const MeshObject& o : objects_) {
        if (o.Faces().size() > 65535)
            throw std::length_error(rel + ": object " + o.Name() + " has over 65535 faces");
        zw::ThreeDsMesh mesh;
        mesh.name = o.Name();
        for (size_t i = 0; i < o.Vertices().size(); ++i) {
            const Vec3& v = o.Vertices()[i];
            mesh.vertices.push_back({v.x, v.y, v.z});
            mesh.texCoords.push_back({o.TexCoords()[i].u, o.TexCoords()[i].v});
        }
        for (size_t f = 0; f < o.Faces().size(); ++f) {
            const MeshObject::Face& face = o.Faces()[f];
            mesh.faces.push_back({face.a, face.b, face.c, 7});
            // Face groups in the order of the model's materials.
            bool found = false;
            for (const MeshMaterial& m : materials_)
                found = found || m.name == face.material;
            if (!found)
                throw std::invalid_argument(rel + ": object " + o.Name() + " names material " +
                                            face.material + " that the model lacks");
        }
        for (const MeshMaterial& m : materials_) {
            zw::ThreeDsFaceGroup group;
            group.material = m.name;
            for (size_t f = 0; f < o.Faces().size(); ++f)
                if (o.Faces()[f].material == m.name) group.faces.push_back(uint16_t(f));
            if (!group.faces.empty()) mesh.groups.push_back(std::move(group));
        }
        file.meshes.push_back(std::move(mesh));
    }
    zw::Write3dsFile(PrepareOutput(gameDir, rel), file);
}

} // namespace demogen
