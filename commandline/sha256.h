#pragma once

// SHA-256 of the copies, at the speed of the machine: OpenSSL's libcrypto where the build
// found it (it uses the processor's SHA instructions, several times Qt's own code),
// QCryptographicHash otherwise. The same digests either way.

#include <QByteArray>

#include <memory>

class Sha256
{
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void AddData(const char* data, qint64 size);
    // The digest in lower-case hex, as sha256sum writes it.
    QByteArray HexResult();

private:
    struct State;
    std::unique_ptr<State> S;
};
