// SPDX-License-Identifier: MIT
// object.cpp - scene objects and the registry that finds them by name.
#include "world/object.h"

SceneObject* newSceneObject(int32_t x, int32_t y, const std::string& name,
                            const std::string& graphicName, const std::string& iconName) {
    SceneObject* o = new SceneObject();
    o->x = x;
    o->y = y;
    o->name = name;
    o->graphicName = graphicName;
    o->iconName = iconName;
    o->walkToX = 0;
    o->walkToY = 0;
    // Objects nobody wrote a text for share the default replies.
    o->takeKey = "NOT_TAKE";
    o->confirmTakeKey = "CONFIRM_TAKE";
    o->talkKey = "NOT_TALK";
    o->useKey = "NOT_USE";
    o->combinePartner = nullptr;
    o->combineResult = nullptr;
    o->takeable = false;
    o->dialoguePartner = nullptr;
    o->exitDirection = 0;
    o->active = true;
    return o;
}

void registerObject(ObjectRegistry& reg, const std::string& name, SceneObject* obj) {
    reg.emplace(name, obj);  // keeps an existing entry: the first registration wins
}

SceneObject* findObject(const ObjectRegistry& reg, const std::string& name) {
    auto it = reg.find(name);
    return it == reg.end() ? nullptr : it->second;
}
