#pragma once

#include "platform/DesktopServices.h"

namespace platform {

/// Secrets in the system's keychain through QtKeychain; never written to a file, not even as a fallback.
class KeychainSecrets : public SecretStore {
public:
    void readSecret(const QString &key, QObject *receiver, ReadDone done) override;
    void writeSecret(const QString &key, const QString &secret, QObject *receiver, Done done) override;
    void deleteSecret(const QString &key, QObject *receiver, Done done) override;
};

} // namespace platform
