#include "platform/audio/sound_decoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avstring.h>
#include <libavutil/avutil.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cstring>

#include "platform/audio.h"

namespace platform::audio {

struct SoundDecoder::Codec {
  AVFormatContext* format = nullptr;
  AVCodecContext* context = nullptr;
  SwrContext* resampler = nullptr;
  AVPacket* packet = nullptr;
  AVFrame* frame = nullptr;
  int stream = -1;

  ~Codec() {
    av_frame_free(&frame);
    av_packet_free(&packet);
    swr_free(&resampler);
    avcodec_free_context(&context);
    avformat_close_input(&format);
  }
};

namespace {

std::string ErrorText(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

bool Fail(std::string* why, const std::string& text) {
  if (why != nullptr) *why = text;
  return false;
}

// The default matrix spreads a mono source over both sides at -3 dB; the
// effects were made to sound at full level on each.
bool MakeResampler(AVCodecContext* context, SwrContext** out, std::string* why) {
  AVChannelLayout in{};
  if (context->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || context->ch_layout.nb_channels == 0) {
    av_channel_layout_default(&in, std::max(1, context->ch_layout.nb_channels));
  } else if (av_channel_layout_copy(&in, &context->ch_layout) < 0) {
    return Fail(why, "bad channel layout");
  }
  AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
  int result = swr_alloc_set_opts2(out, &stereo, AV_SAMPLE_FMT_S16, kMixRate, &in,
                                   context->sample_fmt, context->sample_rate, 0, nullptr);
  if (result >= 0 && in.nb_channels == 1) {
    const double unity[2] = {1.0, 1.0};
    result = swr_set_matrix(*out, unity, 1);
  }
  av_channel_layout_uninit(&in);
  if (result >= 0) result = swr_init(*out);
  return result >= 0 || Fail(why, "resampler: " + ErrorText(result));
}

}  // namespace

std::unique_ptr<SoundDecoder> SoundDecoder::Open(const std::string& path,
                                                 const Whitelist& whitelist, std::string* why) {
  std::unique_ptr<SoundDecoder> decoder(new SoundDecoder);
  decoder->codec_ = std::make_unique<Codec>();
  Codec& c = *decoder->codec_;

  AVDictionary* options = nullptr;
  av_dict_set(&options, "format_whitelist", whitelist.formats, 0);
  av_dict_set(&options, "codec_whitelist", whitelist.codecs, 0);
  av_dict_set(&options, "protocol_whitelist", "file", 0);
  const int opened = avformat_open_input(&c.format, path.c_str(), nullptr, &options);
  av_dict_free(&options);
  if (opened < 0) return Fail(why, ErrorText(opened)), nullptr;
  if (avformat_find_stream_info(c.format, nullptr) < 0) return Fail(why, "no stream info"), nullptr;

  const AVCodec* codec = nullptr;
  c.stream = av_find_best_stream(c.format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
  if (c.stream < 0 || codec == nullptr) return Fail(why, "no audio stream"), nullptr;
  if (av_match_list(codec->name, whitelist.codecs, ',') <= 0) {
    return Fail(why, std::string("codec not allowed: ") + codec->name), nullptr;
  }
  c.context = avcodec_alloc_context3(codec);
  if (c.context == nullptr ||
      avcodec_parameters_to_context(c.context, c.format->streams[c.stream]->codecpar) < 0) {
    return Fail(why, "codec parameters"), nullptr;
  }
  AVDictionary* codecOptions = nullptr;
  av_dict_set(&codecOptions, "codec_whitelist", whitelist.codecs, 0);
  const int codecOpened = avcodec_open2(c.context, codec, &codecOptions);
  av_dict_free(&codecOptions);
  if (codecOpened < 0) return Fail(why, "codec: " + ErrorText(codecOpened)), nullptr;
  if (c.context->sample_rate <= 0) return Fail(why, "no sample rate"), nullptr;
  if (!MakeResampler(c.context, &c.resampler, why)) return nullptr;
  c.packet = av_packet_alloc();
  c.frame = av_frame_alloc();
  if (c.packet == nullptr || c.frame == nullptr) return Fail(why, "out of memory"), nullptr;
  return decoder;
}

SoundDecoder::~SoundDecoder() = default;

// Converts the next decoded frame (or, at the very end, the resampler's tail)
// into pending_. False when nothing more will come.
bool SoundDecoder::Refill() {
  Codec& c = *codec_;
  for (;;) {
    const int received = avcodec_receive_frame(c.context, c.frame);
    if (received == 0) {
      const int room = swr_get_out_samples(c.resampler, c.frame->nb_samples);
      pending_.resize(static_cast<std::size_t>(std::max(room, 0)) * 2);
      auto* out = reinterpret_cast<std::uint8_t*>(pending_.data());
      const int got = swr_convert(c.resampler, &out, room,
                                  const_cast<const std::uint8_t**>(c.frame->extended_data),
                                  c.frame->nb_samples);
      av_frame_unref(c.frame);
      if (got < 0) return failed_ = true, false;
      pending_.resize(static_cast<std::size_t>(got) * 2);
      taken_ = 0;
      if (got > 0) return true;
      continue;
    }
    if (received == AVERROR_EOF) {
      // The resampler holds back a few samples for its filter: take them last.
      const int room = swr_get_out_samples(c.resampler, 0);
      if (room > 0) {
        pending_.resize(static_cast<std::size_t>(room) * 2);
        auto* out = reinterpret_cast<std::uint8_t*>(pending_.data());
        const int got = swr_convert(c.resampler, &out, room, nullptr, 0);
        pending_.resize(static_cast<std::size_t>(std::max(got, 0)) * 2);
        taken_ = 0;
        if (got > 0) return true;
      }
      ended_ = true;
      return false;
    }
    if (received != AVERROR(EAGAIN)) return failed_ = true, false;
    if (draining_) return ended_ = true, false;

    const int read = av_read_frame(c.format, c.packet);
    if (read == AVERROR_EOF) {
      avcodec_send_packet(c.context, nullptr);  // drain what the decoder holds
      draining_ = true;
      continue;
    }
    if (read < 0) return failed_ = true, false;
    int sent = 0;
    if (c.packet->stream_index == c.stream) sent = avcodec_send_packet(c.context, c.packet);
    av_packet_unref(c.packet);
    if (sent < 0 && sent != AVERROR(EAGAIN)) return failed_ = true, false;
  }
}

std::size_t SoundDecoder::Read(std::int16_t* out, std::size_t frames) {
  std::size_t done = 0;
  while (done < frames) {
    if (taken_ >= pending_.size()) {
      if (ended_ || failed_ || !Refill()) break;
      continue;
    }
    const std::size_t count = std::min((pending_.size() - taken_) / 2, frames - done);
    std::memcpy(out + done * 2, pending_.data() + taken_, count * 2 * sizeof(std::int16_t));
    taken_ += count * 2;
    done += count;
  }
  return done;
}

}  // namespace platform::audio
