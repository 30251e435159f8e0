#include "tests/common/diskfaults.h"

#include <QFile>

#include <csignal>
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace kastlog::test {

FileSizeLimit::FileSizeLimit(long long bytes) {
    getrlimit(RLIMIT_FSIZE, &m_old);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit l = m_old;
    l.rlim_cur = rlim_t(bytes);
    m_inForce = setrlimit(RLIMIT_FSIZE, &l) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
}

namespace {
bool capabilities(__user_cap_data_struct (&data)[2], bool set) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}
constexpr unsigned bit(int cap) { return 1u << (cap % 32); }
}  // namespace

ReadOnlyDirectory::ReadOnlyDirectory(const QString &dir) : m_dir(dir) {
    struct stat st{};
    const QByteArray path = QFile::encodeName(dir);
    if (stat(path.constData(), &st) != 0) return;
    m_oldMode = st.st_mode & 07777;
    if (chmod(path.constData(), 0555) != 0) return;

    __user_cap_data_struct caps[2]{};
    if (capabilities(caps, false)) {
        m_oldEffective[0] = caps[0].effective;
        m_oldEffective[1] = caps[1].effective;
        const unsigned dac = bit(CAP_DAC_OVERRIDE) | bit(CAP_DAC_READ_SEARCH) | bit(CAP_FOWNER);
        if (caps[0].effective & dac) {
            caps[0].effective &= ~dac;
            m_capsChanged = capabilities(caps, true);
        }
    }
    // Proof that it holds: a file cannot be made there.
    const QByteArray probe = path + "/.kastlog-probe";
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd >= 0) {
        ::close(fd);
        ::unlink(probe.constData());
    } else {
        m_inForce = true;
    }
}

ReadOnlyDirectory::~ReadOnlyDirectory() {
    if (m_capsChanged) {
        __user_cap_data_struct caps[2]{};
        if (capabilities(caps, false)) {
            caps[0].effective = m_oldEffective[0];
            caps[1].effective = m_oldEffective[1];
            capabilities(caps, true);
        }
    }
    chmod(QFile::encodeName(m_dir).constData(), m_oldMode);
}

}  // namespace kastlog::test
