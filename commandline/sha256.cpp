#include "commandline/sha256.h"

#include <QCryptographicHash>

#ifdef PLIMO_LIBCRYPTO_NAME
#include <dlfcn.h>
#include <mutex>
#include <openssl/evp.h>

namespace
{

// OpenSSL's digest calls, taken from libcrypto when the first hash begins: the window,
// which never hashes, starts without loading it. All null where the library is missing.
struct Crypto {
    decltype(&EVP_MD_CTX_new) newContext = nullptr;
    decltype(&EVP_MD_CTX_free) freeContext = nullptr;
    decltype(&EVP_sha256) sha256 = nullptr;
    decltype(&EVP_DigestInit_ex) init = nullptr;
    decltype(&EVP_DigestUpdate) update = nullptr;
    decltype(&EVP_DigestFinal_ex) final = nullptr;
};

template <typename F> void Resolve(void* library, const char* name, F* function)
{
    *function = reinterpret_cast<F>(::dlsym(library, name));
}

const Crypto& LoadCrypto()
{
    static Crypto crypto;
    static std::once_flag loaded;
    std::call_once(loaded, [] {
        void* library = ::dlopen(PLIMO_LIBCRYPTO_NAME, RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return;
        Crypto found;
        Resolve(library, "EVP_MD_CTX_new", &found.newContext);
        Resolve(library, "EVP_MD_CTX_free", &found.freeContext);
        Resolve(library, "EVP_sha256", &found.sha256);
        Resolve(library, "EVP_DigestInit_ex", &found.init);
        Resolve(library, "EVP_DigestUpdate", &found.update);
        Resolve(library, "EVP_DigestFinal_ex", &found.final);
        if (found.newContext && found.freeContext && found.sha256 && found.init && found.update &&
            found.final)
            crypto = found;
    });
    return crypto;
}

} // namespace

struct Sha256::State {
    const Crypto& crypto = LoadCrypto();
    EVP_MD_CTX* context = crypto.newContext ? crypto.newContext() : nullptr;
    QCryptographicHash qt{QCryptographicHash::Sha256}; // where libcrypto is not there
    ~State()
    {
        if (context)
            crypto.freeContext(context);
    }
};

Sha256::Sha256() : S(new State)
{
    if (S->context && S->crypto.init(S->context, S->crypto.sha256(), nullptr) != 1) {
        S->crypto.freeContext(S->context);
        S->context = nullptr;
    }
}

void Sha256::AddData(const char* data, qint64 size)
{
    if (S->context)
        S->crypto.update(S->context, data, size_t(size));
    else
        S->qt.addData(QByteArrayView(data, size));
}

QByteArray Sha256::HexResult()
{
    if (!S->context)
        return S->qt.result().toHex();
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    S->crypto.final(S->context, digest, &size);
    return QByteArray(reinterpret_cast<const char*>(digest), int(size)).toHex();
}
#else
struct Sha256::State {
    QCryptographicHash qt{QCryptographicHash::Sha256};
};

Sha256::Sha256() : S(new State) {}

void Sha256::AddData(const char* data, qint64 size)
{
    S->qt.addData(QByteArrayView(data, size));
}

QByteArray Sha256::HexResult()
{
    return S->qt.result().toHex();
}
#endif

Sha256::~Sha256() = default;
