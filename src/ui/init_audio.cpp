// The sound device set-up. The game plays no sound and nothing calls this.

#include "MainWidget.h"

#include <fcntl.h>
#include <linux/soundcard.h>
#include <sys/ioctl.h>

#include <cstdio>
#include <cstdlib>

int MainWidget::init_audio()
{
    const int fd = ::open("/dev/dsp", O_RDONLY);
    if (fd < 0) {
        std::perror("/dev/dsp");
        std::exit(1);
    }
    ::ioctl(fd, SNDCTL_DSP_GETBLKSIZE, &dsp_block_size);
    dsp_block_size = 16;
    ::ioctl(fd, SNDCTL_DSP_SYNC, nullptr);
    int format = AFMT_U8;
    ::ioctl(fd, SNDCTL_DSP_SETFMT, &format);
    int stereo = 0;
    ::ioctl(fd, SNDCTL_DSP_STEREO, &stereo);
    std::printf("sampfreq=%d\n", sample_rate);
    int rate = sample_rate;
    ::ioctl(fd, SNDCTL_DSP_SPEED, &rate);
    ::ioctl(fd, SOUND_PCM_READ_RATE, &sample_rate);
    std::printf("sampfreq=%d\n", sample_rate);
    return fd;
}
