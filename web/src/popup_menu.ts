// A context menu as the desktop program's: opened by a right click (or a long press) where
// it was made, kept wholly on screen, worked with the arrow keys, Enter and Escape, and
// closed by a choice, Escape, Tab or a press anywhere else; the focus then goes back to
// where it was.

export class PopupMenu {
  private returnFocus: HTMLElement | null = null;

  constructor(private readonly menu: HTMLElement, private readonly items: HTMLButtonElement[]) {
    menu.addEventListener("keydown", (event) => this.key(event));
    for (const item of items) item.addEventListener("click", () => this.close());
    document.addEventListener("pointerdown", (event) => {
      if (!menu.hidden && !menu.contains(event.target as Node)) this.close();
    });
  }

  get isOpen(): boolean {
    return !this.menu.hidden;
  }

  /** Opens the menu with its top left corner at (x, y) in the window, moved in as far as the window needs. */
  open(x: number, y: number): void {
    this.returnFocus = document.activeElement as HTMLElement | null;
    this.menu.hidden = false;
    const box = this.menu.getBoundingClientRect();
    const left = Math.max(0, Math.min(x, document.documentElement.clientWidth - box.width));
    const top = Math.max(0, Math.min(y, document.documentElement.clientHeight - box.height));
    this.menu.style.left = `${left}px`;
    this.menu.style.top = `${top}px`;
    this.items[0].focus();
  }

  close(): void {
    if (this.menu.hidden) return;
    this.menu.hidden = true;
    this.returnFocus?.focus();
    this.returnFocus = null;
  }

  private key(event: KeyboardEvent): void {
    const at = this.items.indexOf(document.activeElement as HTMLButtonElement);
    const move = (by: number) => this.items[(at + by + this.items.length) % this.items.length].focus();
    if (event.key === "ArrowDown") move(1);
    else if (event.key === "ArrowUp") move(-1);
    else if (event.key === "Home") this.items[0].focus();
    else if (event.key === "End") this.items[this.items.length - 1].focus();
    else if (event.key === "Escape" || event.key === "Tab") this.close();
    else return;
    event.preventDefault();
  }
}
