#include "commandline/sha256.h"

#ifdef PLIMO_HAVE_LIBCRYPTO
#include <openssl/evp.h>

struct Sha256::State {
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    ~State() { EVP_MD_CTX_free(context); }
};

Sha256::Sha256() : S(new State)
{
    EVP_DigestInit_ex(S->context, EVP_sha256(), nullptr);
}

void Sha256::AddData(const char* data, qint64 size)
{
    EVP_DigestUpdate(S->context, data, size_t(size));
}

QByteArray Sha256::HexResult()
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    EVP_DigestFinal_ex(S->context, digest, &size);
    return QByteArray(reinterpret_cast<const char*>(digest), int(size)).toHex();
}
#else
#include <QCryptographicHash>

struct Sha256::State {
    QCryptographicHash hash{QCryptographicHash::Sha256};
};

Sha256::Sha256() : S(new State) {}

void Sha256::AddData(const char* data, qint64 size)
{
    S->hash.addData(QByteArrayView(data, size));
}

QByteArray Sha256::HexResult()
{
    return S->hash.result().toHex();
}
#endif

Sha256::~Sha256() = default;
