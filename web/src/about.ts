// The About box: a modal dialog with the description, the credits rising one pixel every
// 50 ms and jumping back after 255 steps, and the looped music. Browsers let a page
// play sound only after a user gesture; the box opens from a click, so the music starts
// with it. Escape closes it, as the desktop box's Cancel; Tab goes round its own controls.

const kScrollInterval = 50;
const kScrollCycle = 255;

export class AboutBox {
  private scrollCount = 0;
  private timer: number | undefined;
  private audio: AudioContext | undefined;
  private music: AudioBuffer | undefined;
  private source: AudioBufferSourceNode | undefined;
  private musicOn = true;

  constructor(private readonly dialog: HTMLDialogElement, private readonly credits: HTMLElement,
    private readonly muzzic: HTMLInputElement, private readonly musicUrl: string) {
    // "Muzzic" is enabled where the browser can play sound.
    muzzic.disabled = typeof AudioContext === "undefined";
    muzzic.addEventListener("change", () => this.toggleMusic());
    dialog.addEventListener("close", () => this.stopShowing());
    dialog.addEventListener("keydown", (event) => this.keepFocusInside(event));
  }

  /** Shows the box; when it is already open, it only gets the focus. */
  show(): void {
    if (this.dialog.open) {
      this.dialog.focus();
      return;
    }
    this.dialog.showModal();
    this.startShowing();
  }

  close(): void {
    this.dialog.close();
  }

  /** The page behind a modal box is inert, but Tab would still leave for the browser's own bar. */
  private keepFocusInside(event: KeyboardEvent): void {
    if (event.key !== "Tab") return;
    const stops = [...this.dialog.querySelectorAll<HTMLElement>("button, input, textarea")]
      .filter((element) => !(element as HTMLInputElement).disabled);
    const first = stops[0], last = stops[stops.length - 1];
    if (event.shiftKey && document.activeElement === first) last.focus();
    else if (!event.shiftKey && document.activeElement === last) first.focus();
    else return;
    event.preventDefault();
  }

  private startShowing(): void {
    this.scrollCount = 0;
    this.credits.style.top = "0px";
    this.timer = window.setInterval(() => this.raiseCredits(), kScrollInterval);
    if (this.musicOn) void this.play();
  }

  private raiseCredits(): void {
    this.scrollCount = (this.scrollCount + 1) % kScrollCycle;
    this.credits.style.top = `${-this.scrollCount}px`;
  }

  private stopShowing(): void {
    this.stop();
    window.clearInterval(this.timer);
    this.scrollCount = 0;
    this.credits.style.top = "0px";
  }

  private toggleMusic(): void {
    this.musicOn = this.muzzic.checked;
    if (this.musicOn) void this.play();
    else this.stop();
  }

  /** The music from its beginning, in a loop. */
  private async play(): Promise<void> {
    if (this.muzzic.disabled) return;
    this.stop();
    this.audio ??= new AudioContext();
    if (!this.music) {
      const bytes = await (await fetch(this.musicUrl)).arrayBuffer();
      this.music = await this.audio.decodeAudioData(bytes);
    }
    // The box may have closed, or the music been switched off, while the file loaded.
    if (!this.dialog.open || !this.musicOn) return;
    this.source = this.audio.createBufferSource();
    this.source.buffer = this.music;
    this.source.loop = true;
    this.source.connect(this.audio.destination);
    this.source.start();
  }

  private stop(): void {
    this.source?.stop();
    this.source?.disconnect();
    this.source = undefined;
  }

  get playing(): boolean {
    return this.source !== undefined;
  }
}
