// The game's link to other machines, over ENet: one machine hosts (listens
// on a port), the others join it by address and port. Messages are byte
// strings sent reliably and in order on one channel; nothing here knows
// what they hold.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct NetLinkEvent {
    enum class Kind { Connected, Received, Disconnected };
    Kind kind = Kind::Received;
    int peer = 0;  // the host's peers are numbered from 1 as they connect; a joiner's host is 1
    std::string bytes;
};

class NetLink {
public:
    // A host listening on `port` of every address (0: any free port, see
    // Port()) for at most `maxPeers` machines. Null, with a French message
    // in `error`, when the port cannot be had.
    static std::unique_ptr<NetLink> Host(uint16_t port, int maxPeers, std::string& error);
    // Starts joining the host at `address` ("192.168.1.5", "localhost");
    // Connected (peer 1) arrives from Poll once it answers. Null, with a
    // French message, when the address cannot be resolved.
    static std::unique_ptr<NetLink> Join(const std::string& address, uint16_t port, std::string& error);

    ~NetLink();
    NetLink(const NetLink&) = delete;
    NetLink& operator=(const NetLink&) = delete;

    // What happened since the last call, waiting at most `waitMs` for a
    // first event; sends what was queued.
    std::vector<NetLinkEvent> Poll(int waitMs = 0);
    void Send(int peer, const std::string& bytes);
    void SendToAll(const std::string& bytes, int exceptPeer = 0);
    // Closes the connection with a peer, after what was sent to it.
    void Disconnect(int peer);
    // Sends everything queued now.
    void Flush();
    uint16_t Port() const;
    // Bytes sent so far, ENet's own headers included.
    unsigned long long BytesSent() const;
    // Milliseconds before a silent peer is taken for gone.
    void SetTimeout(int peer, int milliseconds);

private:
    struct Impl;
    explicit NetLink(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};
