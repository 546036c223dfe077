// Joints with looping key frames for the animated decor and spectators.
#pragma once

#include <functional>
#include <string>

#include "ms3d.h"

// Adds a joint at `position` (relative to its parent) and returns its index.
int AddJoint(Ms3dModel& model, const std::string& name, const std::string& parent, Vec3 position);

// Fills the keys of a joint over the model's loop: `rotation` and `translation`
// give the pose at each phase 0..1 (the pose at 1 must equal the pose at 0).
void AnimateJoint(Ms3dModel& model, int joint, int keys, const std::function<Vec3(float)>& rotation,
                  const std::function<Vec3(float)>& translation);
