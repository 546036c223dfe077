#include "ms3d.h"

#include <cstring>
#include <stdexcept>

namespace {

// Little-endian packed writing.
class ByteWriter {
public:
    void U8(uint8_t v) { bytes_.push_back(static_cast<char>(v)); }
    void I8(int8_t v) { U8(static_cast<uint8_t>(v)); }
    void U16(uint16_t v) { U8(v & 0xff), U8(v >> 8); }
    void I32(int32_t v) {
        const uint32_t u = static_cast<uint32_t>(v);
        for (int i = 0; i < 4; ++i) U8((u >> (8 * i)) & 0xff);
    }
    void F32(float v) {
        uint32_t u;
        std::memcpy(&u, &v, 4);
        I32(static_cast<int32_t>(u));
    }
    void Raw(const char* text) {
        while (*text) U8(static_cast<uint8_t>(*text++));
    }
    // A zero-terminated text in a field of `size` bytes.
    void Text(const std::string& text, size_t size) {
        for (size_t i = 0; i < size; ++i) U8(i < text.size() && i + 1 < size ? static_cast<uint8_t>(text[i]) : 0);
    }
    // The file's axes: z mirrored against the engine's.
    void Position(Vec3 p) { F32(p.x), F32(p.y), F32(-p.z); }
    // Rotations about x and y change sign with the mirror, about z they do not.
    void Rotation(Vec3 r) { F32(-r.x), F32(-r.y), F32(r.z); }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

uint16_t Count(size_t n, const char* what) {
    if (n > 65535) throw std::runtime_error(std::string("too many ") + what + " for an MS3D file");
    return static_cast<uint16_t>(n);
}

void WriteVertices(ByteWriter& out, const Ms3dModel& model) {
    out.U16(Count(model.vertices.size(), "vertices"));
    for (const Ms3dVertex& v : model.vertices) {
        out.U8(0);
        out.Position(v.position);
        out.I8(v.joint);
        out.U8(0);
    }
}

void WriteTriangles(ByteWriter& out, const Ms3dModel& model) {
    out.U16(Count(model.triangles.size(), "triangles"));
    for (const Ms3dTriangle& t : model.triangles) {
        out.U16(0);
        // Mirroring z turns the winding over: write the corners in reverse.
        const int order[3] = {0, 2, 1};
        for (int i : order) out.U16(t.vertex[i]);
        for (int i : order) out.Position(t.normal[i]);
        for (int i : order) out.F32(t.u[i]);
        for (int i : order) out.F32(t.v[i]);
        out.U8(1);
        out.U8(t.group);
    }
}

void WriteGroups(ByteWriter& out, const Ms3dModel& model) {
    out.U16(Count(model.groups.size(), "groups"));
    for (const Ms3dGroup& g : model.groups) {
        out.U8(0);
        out.Text(g.name, 32);
        out.U16(Count(g.triangles.size(), "triangles in a group"));
        for (uint16_t t : g.triangles) out.U16(t);
        out.I8(g.material);
    }
}

void WriteMaterials(ByteWriter& out, const Ms3dModel& model) {
    out.U16(Count(model.materials.size(), "materials"));
    for (const Ms3dMaterial& m : model.materials) {
        out.Text(m.name, 32);
        for (int i = 0; i < 4; ++i) out.F32(m.diffuse[i] * 0.4f);  // ambient
        for (int i = 0; i < 4; ++i) out.F32(m.diffuse[i]);
        for (int i = 0; i < 4; ++i) out.F32(i == 3 ? 1.0f : 0.0f);  // specular
        for (int i = 0; i < 4; ++i) out.F32(i == 3 ? 1.0f : 0.0f);  // emissive
        out.F32(0);                                                 // shininess
        out.F32(m.transparency);
        out.I8(0);
        out.Text(m.texture, 128);
        out.Text("", 128);
    }
}

void WriteKeys(ByteWriter& out, const std::vector<Ms3dKey>& keys, bool rotation) {
    for (const Ms3dKey& k : keys) {
        out.F32(k.time);
        rotation ? out.Rotation(k.value) : out.Position(k.value);
    }
}

void WriteJoints(ByteWriter& out, const Ms3dModel& model) {
    out.F32(model.framesPerSecond);
    out.F32(0);
    out.I32(model.frameCount);
    out.U16(Count(model.joints.size(), "joints"));
    for (const Ms3dJoint& j : model.joints) {
        out.U8(0);
        out.Text(j.name, 32);
        out.Text(j.parent, 32);
        out.Rotation(j.rotation);
        out.Position(j.position);
        out.U16(Count(j.rotationKeys.size(), "keys"));
        out.U16(Count(j.translationKeys.size(), "keys"));
        WriteKeys(out, j.rotationKeys, true);
        WriteKeys(out, j.translationKeys, false);
    }
}

}  // namespace

std::string EncodeMs3d(const Ms3dModel& model) {
    ByteWriter out;
    out.Raw("MS3D000000");
    out.I32(4);
    WriteVertices(out, model);
    WriteTriangles(out, model);
    WriteGroups(out, model);
    WriteMaterials(out, model);
    WriteJoints(out, model);
    return out.Take();
}
