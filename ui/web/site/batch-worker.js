'use strict';
// The batch's worker, started from this function's own text (a page opened from its folder may
// not start a worker from a file): the module's command line runs the batch on the chosen file,
// read piece by piece where it lies, and its output and messages go to the page as they come.
function gbBatchWorker() {
  self.onmessage = async (e) => {
    const { file, args } = e.data;
    let rows = 0;
    let lastReport = 0;
    const page = {
      output(bytes) {
        for (let i = 0; i < bytes.length; ++i) if (bytes[i] === 10) ++rows;
        self.postMessage({ output: bytes }, [bytes.buffer]);
        const now = Date.now();
        if (now - lastReport >= 100) {
          lastReport = now;
          self.postMessage({ progress: { rows, read: module.bytesRead } });
        }
      },
      message(text) {
        self.postMessage({ message: text });
      },
    };
    const module = await GbModule({ page });
    module.bytesRead = 0;
    module.FS.mkdir('/input');
    module.FS.mount(module.WORKERFS, { files: [file] }, '/input');
    // How far the input has been read, for the progress bar.
    const read = module.WORKERFS.stream_ops.read;
    module.WORKERFS.stream_ops.read = function (stream, buffer, offset, length, position) {
      const count = read.call(this, stream, buffer, offset, length, position);
      module.bytesRead = Math.max(module.bytesRead, position + count);
      return count;
    };
    module.ccall('gb_set_code_page', null, ['string'], ['UTF-8']);
    for (const arg of args) module.ccall('gb_batch_argument', null, ['string'], [arg]);
    const result = module._gb_batch_run();
    self.postMessage({ progress: { rows, read: file.size } });
    self.postMessage({ done: true, status: result & 255, complete: result >= 256, rows });
  };
}
