#include "shmbuffer.h"

#include <wayland-client.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>

std::unique_ptr<ShmBuffer> ShmBuffer::create(wl_shm *shm, QSize pixels)
{
    if (pixels.isEmpty())
        return nullptr;
    const int stride = pixels.width() * 4;
    const std::size_t bytes = std::size_t(stride) * std::size_t(pixels.height());
    // Anonymous memory that only the compositor is handed; nothing on disk.
    const int fd = memfd_create("tallowick-widget", MFD_CLOEXEC);
    if (fd < 0)
        return nullptr;
    int resized;
    do
        resized = ftruncate(fd, off_t(bytes));
    while (resized < 0 && errno == EINTR);
    void *memory = resized == 0 ? mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0) : MAP_FAILED;
    if (memory == MAP_FAILED) {
        close(fd);
        return nullptr;
    }
    wl_shm_pool *pool = wl_shm_create_pool(shm, fd, int(bytes));
    close(fd);

    std::unique_ptr<ShmBuffer> result(new ShmBuffer);
    result->m_memory = memory;
    result->m_bytes = bytes;
    // ARGB8888 is premultiplied 32-bit words in the machine's byte order: Qt's
    // ARGB32_Premultiplied.
    result->m_buffer = wl_shm_pool_create_buffer(pool, 0, pixels.width(), pixels.height(), stride, WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    static const wl_buffer_listener listener = {&ShmBuffer::released};
    wl_buffer_add_listener(result->m_buffer, &listener, result.get());
    result->m_image = QImage(static_cast<uchar *>(memory), pixels.width(), pixels.height(), stride,
                             QImage::Format_ARGB32_Premultiplied);
    return result;
}

ShmBuffer::~ShmBuffer()
{
    m_image = QImage();
    if (m_buffer)
        wl_buffer_destroy(m_buffer);
    if (m_memory)
        munmap(m_memory, m_bytes);
}

void ShmBuffer::released(void *data, wl_buffer *)
{
    static_cast<ShmBuffer *>(data)->m_busy = false;
}

ShmBuffer *ShmBufferPool::freeBuffer(wl_shm *shm, QSize pixels)
{
    std::erase_if(m_buffers, [&](const auto &buffer) { return !buffer->busy() && buffer->size() != pixels; });
    for (const auto &buffer : m_buffers) {
        if (!buffer->busy())
            return buffer.get();
    }
    auto created = ShmBuffer::create(shm, pixels);
    if (!created)
        return nullptr;
    m_buffers.push_back(std::move(created));
    return m_buffers.back().get();
}
