/* The stream receiver: one UDP socket (unicast or multicast), a frame ring buffer, a receive
 * thread that moves datagram bytes into the ring and a parse thread that extracts complete frames
 * and hands each video frame to a callback.
 *
 * Plain C interface: the receiver is an opaque pointer made by StreamReceiver_Create and freed by
 * StreamReceiver_Destroy; both accept null. The receiver never reports loss or silence: when
 * datagrams stop, it simply delivers no more frames. */
#ifndef KAVIMO_STREAM_STREAMRECEIVER_H
#define KAVIMO_STREAM_STREAMRECEIVER_H

#include <stdint.h>

#include "stream/framering.h"
#include "stream/streamframeinfo.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct StreamReceiver StreamReceiver;

/* Called on the receiver's parse thread for each I-, P- or B-frame, without the ring's lock held.
 * The info record and the bytes belong to the receiver and are valid only during the call (the
 * next frame reuses them). The result is ignored. A slow callback delays extraction but not
 * reception, until the ring fills. The callback may destroy its own receiver: no further frame is
 * then delivered and the receiver is freed once the callback has returned. */
typedef int32_t (*StreamFrameCallback)(StreamReceiver* receiver, StreamFrameInfo* info, uint8_t* data, int32_t length,
                                       void* userData);

/* Stream types: the framing the camera sends and the ring the receiver keeps for it. */
enum {
    STREAM_TYPE_FRAGMENTED = 1,     /* framing 1, 512000-byte ring (the live view's choice) */
    STREAM_TYPE_WHOLE_FRAME_13 = 2, /* framing 13, 10485760-byte ring */
    STREAM_TYPE_WHOLE_FRAME = 3     /* framing 7, 10485760-byte ring */
};

/* Opens the socket on port (0..65535) and starts both threads. address: the local address to
 * bind ("0.0.0.0", empty or null: any), or a multicast group to join (see
 * StreamReceiver_IsMulticastAddress) on the interface address given as interfaceAddress (null,
 * empty or "0.0.0.0": the system's choice). callback may be null: frames are then extracted and
 * dropped. Returns null, with nothing left open or running, when the socket cannot be opened,
 * bound or joined to the group, the stream type is not 1, 2 or 3, or memory or threads run out. */
StreamReceiver* StreamReceiver_Create(const char* address, int port, const char* interfaceAddress, int streamType,
                                      StreamFrameCallback callback, void* userData);

/* As StreamReceiver_Create, but the receiver takes datagrams only from sourceAddress, the
 * camera's own (unicast) address; those from any other address are dropped before they reach the
 * ring, counted (StreamReceiver_ForeignDatagrams) and said in the log at most once a minute. Only
 * the address is compared, not the port: the camera's source port is not fixed. A sourceAddress
 * that names no single sender (null, empty, "0.0.0.0", a multicast group 224.0.0.0/4 or
 * "255.255.255.255") takes datagrams from everyone, as StreamReceiver_Create does. A group's video
 * arrives from the camera's unicast address, so a multicast receiver is given that address here.
 * Returns null also when sourceAddress is not a dotted IPv4 address. */
StreamReceiver* StreamReceiver_CreateForSource(const char* address, int port, const char* interfaceAddress,
                                               const char* sourceAddress, int streamType, StreamFrameCallback callback,
                                               void* userData);

/* The datagrams the receiver dropped because they came from another address than its source; 0
 * for null. Any thread may call it while the receiver exists. */
uint64_t StreamReceiver_ForeignDatagrams(const StreamReceiver* receiver);

/* Stops the receive thread, then the parse thread, then closes the socket and frees the ring and
 * the receiver. Returns only once both threads have ended: a callback that is still running is
 * waited for. Any thread may call it; see StreamFrameCallback for a call from the callback. */
void StreamReceiver_Destroy(StreamReceiver* receiver);

/* The receiver's choice between multicast and unicast. The test is textual, not numeric: true
 * when the address, compared without regard to case, sorts strictly after "224.0.0.0" and
 * strictly before "239.255.255.255". So "224.0.0.0" and "239.255.255.255" themselves are unicast,
 * and "23.1.1.1" is taken for a group (whose join then fails). False for null. */
StreamBool StreamReceiver_IsMulticastAddress(const char* address);

#ifdef __cplusplus
}
#endif

#endif /* KAVIMO_STREAM_STREAMRECEIVER_H */
