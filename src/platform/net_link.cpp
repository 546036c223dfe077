#include "platform/net_link.h"

#include <enet/enet.h>

#include <chrono>
#include <cstdint>
#include <map>

namespace {
constexpr size_t kChannels = 1;
constexpr int kGoodbyeMs = 500;
int linksOpen = 0;  // ENet is started with the first link and stopped after the last

bool StartEnet() {
    if (linksOpen == 0 && enet_initialize() != 0) return false;
    ++linksOpen;
    return true;
}

void StopEnet() {
    if (--linksOpen == 0) enet_deinitialize();
}

int PeerNumber(const ENetPeer* peer) { return static_cast<int>(reinterpret_cast<intptr_t>(peer->data)); }
}  // namespace

struct NetLink::Impl {
    ENetHost* host = nullptr;
    std::map<int, ENetPeer*> peers;
    int nextPeer = 1;

    // Every peer is told goodbye after what was sent to it, and given a
    // moment to answer: a last message (why the race stops) is not lost.
    ~Impl() {
        if (!host) return;
        for (auto& [number, peer] : peers) enet_peer_disconnect_later(peer, 0);
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kGoodbyeMs);
        ENetEvent event;
        while (!peers.empty() && std::chrono::steady_clock::now() < until)
            if (enet_host_service(host, &event, 10) > 0) {
                if (event.type == ENET_EVENT_TYPE_RECEIVE) enet_packet_destroy(event.packet);
                if (event.type == ENET_EVENT_TYPE_DISCONNECT) peers.erase(PeerNumber(event.peer));
            }
        for (auto& [number, peer] : peers) enet_peer_reset(peer);
        enet_host_destroy(host);
        StopEnet();
    }

    void Name(ENetPeer* peer) {
        peer->data = reinterpret_cast<void*>(static_cast<intptr_t>(nextPeer));
        peers[nextPeer++] = peer;
    }

    NetLinkEvent Translate(const ENetEvent& event) {
        NetLinkEvent out;
        switch (event.type) {
            case ENET_EVENT_TYPE_CONNECT:
                if (!event.peer->data) Name(event.peer);
                out.kind = NetLinkEvent::Kind::Connected;
                break;
            case ENET_EVENT_TYPE_RECEIVE:
                out.kind = NetLinkEvent::Kind::Received;
                out.bytes.assign(reinterpret_cast<const char*>(event.packet->data), event.packet->dataLength);
                enet_packet_destroy(event.packet);
                break;
            default:
                out.kind = NetLinkEvent::Kind::Disconnected;
                break;
        }
        out.peer = PeerNumber(event.peer);
        if (out.kind == NetLinkEvent::Kind::Disconnected) {
            peers.erase(out.peer);
            event.peer->data = nullptr;
        }
        return out;
    }
};

NetLink::NetLink(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
NetLink::~NetLink() = default;

std::unique_ptr<NetLink> NetLink::Host(uint16_t port, int maxPeers, std::string& error) {
    if (!StartEnet()) {
        error = "Le réseau n'a pas pu être initialisé.";
        return nullptr;
    }
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    auto impl = std::make_unique<Impl>();
    impl->host = enet_host_create(&address, static_cast<size_t>(maxPeers), kChannels, 0, 0);
    if (!impl->host) {
        StopEnet();
        error = "Le port " + std::to_string(port) + " n'est pas libre : impossible d'héberger la course.";
        return nullptr;
    }
    return std::unique_ptr<NetLink>(new NetLink(std::move(impl)));
}

std::unique_ptr<NetLink> NetLink::Join(const std::string& hostName, uint16_t port, std::string& error) {
    if (!StartEnet()) {
        error = "Le réseau n'a pas pu être initialisé.";
        return nullptr;
    }
    ENetAddress address{};
    auto impl = std::make_unique<Impl>();
    if (enet_address_set_host(&address, hostName.c_str()) != 0 ||
        !(impl->host = enet_host_create(nullptr, 1, kChannels, 0, 0))) {
        StopEnet();
        error = "L'adresse " + hostName + " est introuvable.";
        return nullptr;
    }
    address.port = port;
    ENetPeer* peer = enet_host_connect(impl->host, &address, kChannels, 0);
    if (!peer) {
        error = "Impossible de joindre " + hostName + ".";
        return nullptr;  // the Impl releases the host and ENet
    }
    impl->Name(peer);
    return std::unique_ptr<NetLink>(new NetLink(std::move(impl)));
}

std::vector<NetLinkEvent> NetLink::Poll(int waitMs) {
    std::vector<NetLinkEvent> events;
    ENetEvent event;
    int wait = waitMs < 0 ? 0 : waitMs;
    while (enet_host_service(impl_->host, &event, static_cast<enet_uint32>(wait)) > 0) {
        events.push_back(impl_->Translate(event));
        wait = 0;  // the first event ends the wait; the others are taken as they are
    }
    return events;
}

void NetLink::Send(int peer, const std::string& bytes) {
    const auto found = impl_->peers.find(peer);
    if (found == impl_->peers.end()) return;
    ENetPacket* packet = enet_packet_create(bytes.data(), bytes.size(), ENET_PACKET_FLAG_RELIABLE);
    if (enet_peer_send(found->second, 0, packet) != 0) enet_packet_destroy(packet);
}

void NetLink::SendToAll(const std::string& bytes, int exceptPeer) {
    for (const auto& [number, peer] : impl_->peers)
        if (number != exceptPeer) Send(number, bytes);
}

void NetLink::Disconnect(int peer) {
    const auto found = impl_->peers.find(peer);
    if (found == impl_->peers.end()) return;
    enet_peer_disconnect_later(found->second, 0);
}

void NetLink::Flush() { enet_host_flush(impl_->host); }

uint16_t NetLink::Port() const { return impl_->host->address.port; }

unsigned long long NetLink::BytesSent() const { return impl_->host->totalSentData; }

void NetLink::SetTimeout(int peer, int milliseconds) {
    const auto found = impl_->peers.find(peer);
    if (found == impl_->peers.end()) return;
    const enet_uint32 ms = static_cast<enet_uint32>(milliseconds);
    enet_peer_timeout(found->second, 0, ms, ms);
}
