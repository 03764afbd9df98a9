#include "platform/audio/movie_file.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avstring.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

#include <algorithm>

#include "platform/audio/sound_decoder.h"

namespace platform::audio {

// The picture stream: decodes frames in order as time asks for them.
class MoviePictures {
 public:
  static std::unique_ptr<MoviePictures> Open(const std::string& path) {
    std::unique_ptr<MoviePictures> p(new MoviePictures);
    AVDictionary* options = nullptr;
    av_dict_set(&options, "format_whitelist", kMovieFormats.formats, 0);
    av_dict_set(&options, "codec_whitelist", kMovieFormats.codecs, 0);
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const int opened = avformat_open_input(&p->format_, path.c_str(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0 || avformat_find_stream_info(p->format_, nullptr) < 0) return nullptr;
    const AVCodec* codec = nullptr;
    p->stream_ = av_find_best_stream(p->format_, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (p->stream_ < 0 || codec == nullptr ||
        av_match_list(codec->name, kMovieFormats.codecs, ',') <= 0) {
      return nullptr;
    }
    p->context_ = avcodec_alloc_context3(codec);
    AVDictionary* codecOptions = nullptr;
    av_dict_set(&codecOptions, "codec_whitelist", kMovieFormats.codecs, 0);
    const bool ready = p->context_ != nullptr &&
                       avcodec_parameters_to_context(
                           p->context_, p->format_->streams[p->stream_]->codecpar) >= 0 &&
                       avcodec_open2(p->context_, codec, &codecOptions) >= 0;
    av_dict_free(&codecOptions);
    if (!ready || p->context_->width <= 0 || p->context_->height <= 0) return nullptr;
    p->timeBase_ = p->format_->streams[p->stream_]->time_base;
    p->packet_ = av_packet_alloc();
    p->frame_ = av_frame_alloc();
    p->next_ = av_frame_alloc();
    if (p->packet_ == nullptr || p->frame_ == nullptr || p->next_ == nullptr) return nullptr;
    return p;
  }

  ~MoviePictures() {
    sws_freeContext(scaler_);
    av_frame_free(&next_);
    av_frame_free(&frame_);
    av_packet_free(&packet_);
    avcodec_free_context(&context_);
    avformat_close_input(&format_);
  }

  // Moves on to the last frame due at ms; true when that is a new one.
  bool AdvanceTo(std::uint32_t ms) {
    bool moved = false;
    for (;;) {
      if (!haveNext_ && !Decode(next_)) break;
      haveNext_ = true;
      if (MsOf(next_) > ms) break;
      av_frame_unref(frame_);
      av_frame_move_ref(frame_, next_);
      haveNext_ = false;
      haveFrame_ = true;
      lastMs_ = MsOf(frame_);
      moved = true;
    }
    return moved;
  }

  bool Scale(std::uint32_t* out, int pitch, int w, int h) {
    if (!haveFrame_) return false;
    scaler_ = sws_getCachedContext(scaler_, frame_->width, frame_->height,
                                   static_cast<AVPixelFormat>(frame_->format), w, h,
                                   AV_PIX_FMT_BGR0, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (scaler_ == nullptr) return false;
    auto* dst = reinterpret_cast<std::uint8_t*>(out);
    const int dstStride = pitch * 4;
    sws_scale(scaler_, frame_->data, frame_->linesize, 0, frame_->height, &dst, &dstStride);
    return true;
  }

  // No frame is left and the last one has had its time on screen.
  bool EndedAt(std::uint32_t ms) const { return ended_ && !haveNext_ && ms >= lastMs_ + FrameMs(); }

 private:
  MoviePictures() = default;

  std::uint32_t MsOf(const AVFrame* frame) const {
    std::int64_t pts = frame->best_effort_timestamp;
    if (pts == AV_NOPTS_VALUE) pts = 0;
    const std::int64_t ms = av_rescale_q(pts, timeBase_, AVRational{1, 1000});
    return static_cast<std::uint32_t>(std::max<std::int64_t>(ms, 0));
  }

  std::uint32_t FrameMs() const {
    const AVRational rate = format_->streams[stream_]->avg_frame_rate;
    if (rate.num <= 0 || rate.den <= 0) return 40;
    return static_cast<std::uint32_t>(av_rescale(1000, rate.den, rate.num));
  }

  bool Decode(AVFrame* into) {
    if (ended_) return false;
    for (;;) {
      const int received = avcodec_receive_frame(context_, into);
      if (received == 0) return true;
      if (received != AVERROR(EAGAIN) || draining_) return ended_ = true, false;
      const int read = av_read_frame(format_, packet_);
      if (read < 0) {
        avcodec_send_packet(context_, nullptr);
        draining_ = true;
        continue;
      }
      if (packet_->stream_index == stream_) avcodec_send_packet(context_, packet_);
      av_packet_unref(packet_);
    }
  }

  AVFormatContext* format_ = nullptr;
  AVCodecContext* context_ = nullptr;
  SwsContext* scaler_ = nullptr;
  AVPacket* packet_ = nullptr;
  AVFrame* frame_ = nullptr;
  AVFrame* next_ = nullptr;
  AVRational timeBase_{1, 1000};
  int stream_ = -1;
  bool haveFrame_ = false;
  bool haveNext_ = false;
  bool draining_ = false;
  bool ended_ = false;
  std::uint32_t lastMs_ = 0;
};

std::unique_ptr<Movie> Movie::Open(const std::string& path, Mixer& mixer) {
  std::unique_ptr<MoviePictures> pictures = MoviePictures::Open(path);
  if (!pictures) return nullptr;
  std::unique_ptr<MixedSoundFile> sound;
  if (std::shared_ptr<SoundStream> stream = SoundStream::Open(path, kMovieFormats)) {
    sound = std::make_unique<MixedSoundFile>(std::move(stream), mixer);
  }
  return std::unique_ptr<Movie>(new Movie(std::move(pictures), std::move(sound)));
}

Movie::Movie(std::unique_ptr<MoviePictures> pictures, std::unique_ptr<MixedSoundFile> sound)
    : pictures_(std::move(pictures)), sound_(std::move(sound)) {}

Movie::~Movie() = default;

void Movie::Start() {
  if (sound_) sound_->Run(false);
}

bool Movie::PictureAt(std::uint32_t ms, std::uint32_t* out, int pitch, int w, int h) {
  return pictures_->AdvanceTo(ms) && pictures_->Scale(out, pitch, w, h);
}

bool Movie::EndedAt(std::uint32_t ms) const {
  return pictures_->EndedAt(ms) && (!sound_ || !sound_->IsRunning());
}

void Movie::Stop() {
  if (sound_) sound_->Stop();
}

}  // namespace platform::audio
