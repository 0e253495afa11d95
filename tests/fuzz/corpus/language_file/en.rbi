<ini device="Rb604">
 <lang>en</lang>
</ini>
