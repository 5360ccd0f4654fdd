#pragma once
// Draws a master node's geometry with the proxy's own frame and nothing else
// of the master (not its frame, not its children). The master may be owned by
// nobody in the tree; it must outlive its proxies.
#include "platform/scene/SceneNode.h"

namespace zw {

class ProxyNode : public SceneNode {
public:
    explicit ProxyNode(std::string name = "", SceneNode* master = nullptr)
        : SceneNode(NodeKind::Proxy, std::move(name)), master_(master) {}
    SceneNode* Master() const { return master_; }
    void SetMaster(SceneNode* m) { master_ = m; }

private:
    SceneNode* master_;
};

} // namespace zw
