#include "animation.h"

int AddJoint(Ms3dModel& model, const std::string& name, const std::string& parent, Vec3 position) {
    Ms3dJoint joint;
    joint.name = name;
    joint.parent = parent;
    joint.position = position;
    model.joints.push_back(joint);
    return static_cast<int>(model.joints.size() - 1);
}

void AnimateJoint(Ms3dModel& model, int joint, int keys, const std::function<Vec3(float)>& rotation,
                  const std::function<Vec3(float)>& translation) {
    Ms3dJoint& j = model.joints[joint];
    j.rotationKeys.clear();
    j.translationKeys.clear();
    const float seconds = (model.frameCount - 1) / model.framesPerSecond;
    for (int k = 0; k <= keys; ++k) {
        const float phase = static_cast<float>(k) / keys;
        // Key times start one frame in: the engine counts key frames from 1.
        const float time = 1 / model.framesPerSecond + phase * seconds;
        j.rotationKeys.push_back({time, rotation(phase)});
        j.translationKeys.push_back({time, translation(phase)});
    }
}
